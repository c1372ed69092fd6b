#pragma once
// "Quick Info": what one macro is, in a few lines.
#include <string>

#include "base/day_number.h"
#include "store/macro_record.h"

namespace tavrin {

struct QuickInfo {
    std::string lastModified;     // "Last Modified On " and the date
    std::string activationLabel;  // "Hot Key:", "Quillet:", "Timed Macro:", "Window Title:", "None"
    std::string activationValue;
    std::string nickname;
    std::string scope;
    std::string active;          // "Yes" or "No"
    std::string macroTextLabel;  // "Macro Text:", or empty with the text box hidden
    bool showMacroText = true;
};

// The fields for record r; shortDate is its LastModified in the system's
// short date format.
QuickInfo QuickInfoOf(const MacroRecord& r, const std::string& shortDate);

// The date and time of a record's LastModified.
LocalDateTime DateOfDayNumber(double dayNumber);

}  // namespace tavrin
