#include "forms/appear_form.h"

#include <cstdint>

#include "forms/number_text.h"

namespace tavrin {

namespace {

// A width is plain decimal digits with a value above 0.
bool ParseWidth(const std::string& text, int32_t& width) {
    long long value = 0;
    if (!ParseDigits(text, value) || value <= 0 || value > INT32_MAX) return false;
    width = static_cast<int32_t>(value);
    return true;
}

}  // namespace

AppearForm::AppearForm(const Settings& s)
    : GridFont(s.GridFont),
      GridTitleFont(s.GridTitleFont),
      UseSpeed(s.UseSpeed),
      ShowIcons(s.ShowIcons) {
    for (size_t i = 0; i < ColumnWidths.size(); ++i) {
        ColumnWidths[i] = std::to_string(s.ColWidth[i]);
    }
}

void AppearForm::ChooseGridFont(const FontSpec& chosen) {
    GridFont = chosen;
    GridFont.Italic = false;
    GridFont.Underline = false;
    GridFont.Strikeout = false;
}

AppearCheck AppearForm::OkButtonClick(Settings& s) const {
    std::array<int32_t, 3> widths{};
    for (size_t i = 0; i < widths.size(); ++i) {
        if (!ParseWidth(ColumnWidths[i], widths[i])) {
            AppearCheck failed;
            failed.Ok = false;
            failed.Title = "Error";
            failed.Message = "Invalid width specified.";
            failed.FocusField = static_cast<int>(i);
            return failed;
        }
    }
    s.ColWidth = widths;
    s.GridFont = GridFont;
    s.GridTitleFont = GridTitleFont;
    s.UseSpeed = UseSpeed;
    s.ShowIcons = ShowIcons;
    return AppearCheck{};
}

}  // namespace tavrin
