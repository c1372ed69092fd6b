#pragma once
// The "Settings" dialog: how the program shows itself, and
// what its close button does.
#include "store/settings.h"

namespace tavrin {

enum class Visibility { Taskbar, SystemTray, CompletelyHide };

// What the main window changes after "&Ok".
struct PreferenceOutcome {
    bool TrayIconActive = false;
    bool HideMenuEnabled = false;  // "&Hide Tavrin 99"
};

class PreferenceForm {
public:
    // Opens on "Completely &Hide" when "Use Hide" is on, else on "Show In
    // &System Tray" when "Use Tray" is on, else on "Show In &Taskbar".
    explicit PreferenceForm(const Settings& s);

    Visibility Choice;
    bool CloseButtonHides;

    // Stores the choices into s; the caller then applies the outcome and
    // saves the settings.
    PreferenceOutcome OkButtonClick(Settings& s) const;
};

}  // namespace tavrin
