#pragma once
// The "Appearance" dialog: column widths, the two fonts of the
// macro list and the kind of buttons on the main window. It works on copies
// and changes the settings only when "&Ok" passes its checks.
#include <array>
#include <cstddef>
#include <string>

#include "store/settings.h"

namespace tavrin {

constexpr size_t kColumnWidthChars = 4;  // longest text of a width field

struct AppearCheck {
    bool Ok = true;
    std::string Title;
    std::string Message;
    int FocusField = -1;  // the width field (0 to 2) to focus on failure
};

class AppearForm {
public:
    explicit AppearForm(const Settings& s);

    std::array<std::string, 3> ColumnWidths;  // "Column 1 Width" to "Column 3 Width"
    FontSpec GridFont;
    FontSpec GridTitleFont;
    bool UseSpeed;
    bool ShowIcons;

    // "&Grid Font": the dialog offers no effects, and of the chosen style
    // only bold is kept.
    void ChooseGridFont(const FontSpec& chosen);

    // Checks the widths in order; the first that is not a whole number
    // greater than 0 fails and nothing is stored. Otherwise stores the
    // widths, both fonts and the button and icon choices into s; the caller
    // then lays out the main window again and saves the settings.
    AppearCheck OkButtonClick(Settings& s) const;
};

}  // namespace tavrin
