#pragma once
// The "Capture Macro" dialog's model: what it tells about the macro to be
// captured, whether it may stay Global, and the first of its program choices.
// Its capture options are those of CaptureDefaultsForm.
#include <cstdint>
#include <string>

#include "base/macro_table.h"
#include "store/macro_record.h"

namespace tavrin {

// The first entry of "Choose the program to start capturing in".
inline constexpr char kLastActiveWindow[] = "***Last Active Window***";

// "Quillet: " and the Quillet, or the hot key's name.
std::string CaptureTriggerText(const MacroRecord& r);
// "Press " + the stop hot key's name + " to end capture".
std::string CaptureStopText(uint16_t stopCode);
// "Or Press " + the macro's hot key + " to end capture" when it has one,
// else empty.
std::string CaptureOwnStopText(const MacroRecord& r);
// "&Global" may be chosen: not for a macro that is not Global while a Global
// macro has its hot key.
bool CaptureGlobalAllowed(const MacroTable& t, int n, const MacroRecord& r);

}  // namespace tavrin
