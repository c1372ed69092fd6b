#pragma once
// The field values of one tag, grouped by kind of field and numbered in the
// order the fields stand in the tag. Which slot holds what is noted at each
// TagKind; the layout itself is in the tag table.
#include <array>
#include <string>

namespace tavrin {

// The nine characters of the current-window marker: CURRENT in double quotes.
inline constexpr char kCurrentWindowMarker[] = "\"CURRENT\"";

struct TagFields {
    // Number, signed-coordinate and key-number fields.
    std::array<int, 3> Numbers{};
    // When read: false if the field held a character that is not a digit, or
    // the text ended inside it. The value is then that of the digits before.
    std::array<bool, 3> NumberValid{{true, true, true}};

    double Real = 0;
    bool RealValid = true;

    // Letter fields: a date's Y/N then F/P, a time's N/Y. A letter outside the
    // field's set is written as the set's first letter.
    std::array<char, 2> Letters{};
    // The flag letters present in a network tag ("P", "F", "S").
    std::string Flags;

    // Free-text fields; a launch text fills two: the path, then the parameters.
    std::array<std::string, 3> Texts;
    // The window title is the current-window marker.
    bool CurrentWindow = false;
};

}  // namespace tavrin
