#pragma once
// "Window Controls": maximize, minimize, restore, close, hide, show or shut
// down (kinds 1 to 7) the current window or one found by its title. The
// window choice is shared with "Size or Position a Window".
#include <string>

#include "forms/command_fields.h"
#include "language/tag_recogniser.h"

namespace tavrin {

inline constexpr char kNoWindowTitle[] = "No Window title specified.  Please correct";

enum WindowControlsField { kWindowControlsTitleField = 1 };

struct WindowControlsValues {
    int Kind = 0;
    bool CurrentWindow = false;
    std::string Title;  // empty for the current window
};

struct WindowControlsFields {
    int Kind = 0;
    bool CurrentWindow = false;  // "Current &Window", else "Speci&fic Window"
    std::string Title;
};

WindowControlsFields NewWindowControlsFields();
WindowControlsFields WindowControlsFieldsOf(const WindowControlsValues& values);
WindowControlsValues WindowControlsValuesOf(const TagMatch& match);
CommandAnswer<WindowControlsValues> AcceptWindowControls(const WindowControlsFields& fields);

}  // namespace tavrin
