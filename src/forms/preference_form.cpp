#include "forms/preference_form.h"

namespace tavrin {

namespace {

Visibility OpeningChoice(const Settings& s) {
    if (s.UseHide) return Visibility::CompletelyHide;
    if (s.UseTray) return Visibility::SystemTray;
    return Visibility::Taskbar;
}

}  // namespace

PreferenceForm::PreferenceForm(const Settings& s)
    : Choice(OpeningChoice(s)), CloseButtonHides(s.UseClose) {}

PreferenceOutcome PreferenceForm::OkButtonClick(Settings& s) const {
    s.UseTray = Choice == Visibility::SystemTray;
    s.UseHide = Choice == Visibility::CompletelyHide;
    s.UseClose = CloseButtonHides;
    PreferenceOutcome outcome;
    outcome.TrayIconActive = s.UseTray;
    outcome.HideMenuEnabled = s.UseTray || s.UseHide;
    return outcome;
}

}  // namespace tavrin
