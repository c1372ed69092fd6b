#pragma once
// What a capture records by and which keys end it: the capture fields of the
// macro table, read and written at their offsets. The program writes them
// before ZynUpCapture; the hook library reads its copy when CaptureOn is set.
#include <cstdint>
#include <string>

#include "base/macro_table.h"

namespace tavrin {

// How a mouse position is written.
enum class CaptureRelative : uint8_t { Screen = 1, Window = 2, LastPosition = 3 };

struct CaptureOptions {
    bool keys = true;
    bool mouse = true;
    bool clicksOnly = true;
    CaptureRelative relative = CaptureRelative::Screen;
    bool time = true;
    // The size of each window clicked in, so that window-relative positions
    // land on the same places (mouse relative to the window only).
    bool windowSize = false;
    // A lone Alt press and release (the menu bar) is recorded.
    bool doubleAlt = true;
};

// A key or mouse button combination that ends the capture.
struct StopKey {
    uint16_t button = 0;  // 0 keyboard, 1 left, 2 right, 3 middle
    uint16_t virtualKey = 0;
    bool ctrl = false, alt = false, shift = false, win = false;
};

struct CaptureSetup {
    uint16_t macro = 0;  // CaptureMacro
    CaptureOptions options;
    StopKey stop;           // the hot key of the system macro "2"
    bool altStopOn = false;  // the captured macro's own hot key also ends it
    StopKey altStop;
};

// The stop key of a hot key code (DecipherKey); a code outside the list
// gives an empty key that nothing matches.
StopKey StopKeyOf(uint16_t hotKeyCode);
// Whether a press of key (or mouse button, key 0) with these modifiers is
// the stop key. An empty stop key matches nothing.
bool IsStopKey(const StopKey& stop, uint16_t virtualKey, uint16_t button, bool ctrl, bool alt,
               bool shift, bool win);

// Writes every capture field (CaptureSize and its copy from the options,
// CaptureStarting 1, the reserved bytes 0); CaptureOn is left alone.
void WriteCaptureSetup(MacroTable& t, const CaptureSetup& s);
CaptureSetup ReadCaptureSetup(const MacroTable& t);

// The speed tag written first into the capture file when timing is
// captured: speed 1 actual, 2 half, 3 double, 4 quadruple; empty for any
// other value.
std::string CaptureSpeedTag(int speed);

}  // namespace tavrin
