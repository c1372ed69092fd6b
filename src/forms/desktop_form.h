#pragma once
// "Desktop": arranging the windows, suspending or undocking the computer,
// the system's dialog windows and Explorer opened at a special folder, one
// tag each.
#include "forms/command_fields.h"

namespace tavrin {

struct TagMatch;

// 1 to 3 arrange the windows; 4 and later need the shell's automation object.
constexpr int kDesktopChoices = 25;

struct DesktopValues {
    int Kind = 0;
};

struct DesktopFields {
    int Kind = 0;  // the checked choice; 0 for none
};

// A new command opens on "C&ascade".
DesktopFields NewDesktopFields();
DesktopFields DesktopFieldsOf(const DesktopValues& values);
DesktopValues DesktopValuesOf(const TagMatch& match);
CommandAnswer<DesktopValues> AcceptDesktop(const DesktopFields& fields);

// Whether a choice can be taken: those past the three window arrangements
// only when the shell's automation object can be used.
bool DesktopChoiceEnabled(int kind, bool shellAutomation);

}  // namespace tavrin
