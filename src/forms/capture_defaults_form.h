#pragma once
// The "Capture Defaults" dialog's model: the capture settings, which of its
// controls depend on others, and storing them. "Capture Macro" offers the
// same options through it.
#include "store/settings.h"

namespace tavrin {

struct CaptureDefaultsForm {
    explicit CaptureDefaultsForm(const Settings& s);

    bool Keys{}, DoubleAlt{}, Mouse{}, ClicksOnly{}, WindowSize{}, Time{}, Prompt{}, Global{};
    int Relative{};  // 1 screen, 2 window, 3 position
    int Speed{};     // 1 actual, 2 half, 3 double, 4 quadruple

    // The controls that are enabled only while another is chosen.
    bool DoubleAltEnabled() const { return Keys; }
    bool RelativeEnabled() const { return Mouse; }
    bool WindowSizeEnabled() const { return Mouse && Relative == 2; }
    bool SpeedsEnabled() const { return Time; }

    // "&Ok": stores every value; the caller saves the settings file.
    void OkButtonClick(Settings& s) const;
};

}  // namespace tavrin
