#include "forms/appear_form.h"

#include <charconv>
#include <cstdint>
#include <system_error>

namespace tavrin {

namespace {

// A width is plain decimal digits (no sign, no spaces) with a value above 0.
bool ParseWidth(const std::string& text, int32_t& width) {
    const char* end = text.data() + text.size();
    if (text.empty() || text[0] < '0' || text[0] > '9') return false;
    auto [ptr, ec] = std::from_chars(text.data(), end, width);
    return ec == std::errc() && ptr == end && width > 0;
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
