#pragma once
// The capture options that "Capture Defaults" and "Capture Macro" both
// offer (keystrokes, double Alt, mouse, relative to, clicks only, window
// size, time, speed): one table of each option's field of
// CaptureDefaultsForm, how it is shown and its controls in either dialog,
// walked to show, read and enable them.
#include "forms/capture_defaults_form.h"
#include "ui/modal_dialog.h"

namespace tavrin {

// Whose control ids: each dialog keeps the ids of its own block.
enum class CaptureOptionsIn { Defaults, Macro };

// Checks each option's box or button from the form.
void ShowCaptureOptions(ModalDialog& dialog, CaptureOptionsIn in, const CaptureDefaultsForm& form);
// The form's options from the controls; a radio group with no button
// checked keeps its value.
void ReadCaptureOptions(ModalDialog& dialog, CaptureOptionsIn in, CaptureDefaultsForm& form);
// Enables the controls that mean something only with another chosen.
void EnableCaptureOptions(ModalDialog& dialog, CaptureOptionsIn in, const CaptureDefaultsForm& form);

}  // namespace tavrin
