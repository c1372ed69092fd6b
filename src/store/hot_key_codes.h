#pragma once
// Hot key codes: the fixed list of 721 key combinations a macro can be
// started by. A code is an index into that list; its name is what the
// program shows for the hot key everywhere, and its decoding is what the
// hook library watches for.
#include <cstdint>
#include <string>

#include "base/macro_table.h"

namespace tavrin {

// Names are kept as string[24]; longer ones are cut to this width.
constexpr size_t kHotKeyNameWidth = 24;

// The name of code 0 .. kHotKeyCodes - 1; an empty string for any other code
// (including the activation kinds 10000, 20000, 25000 and 30000).
const std::string& HotKeyName(uint16_t code);

struct DecodedHotKey {
    uint16_t VirtualKey = 0;
    uint16_t MouseButton = 0;  // 0 none, 1 left, 2 right, 3 middle
    bool Win = false, Shift = false, Alt = false, Ctrl = false;
};

// The key, mouse button and modifiers of a code; all zero for a code outside
// the list.
DecodedHotKey DecipherKey(uint16_t code);

// The code of a pressed combination, or -1 if no code names it. A mouse
// button combination has virtual key 0. Cheap enough for a hook callback.
int HotKeyCodeFor(uint16_t virtualKey, uint16_t mouseButton, bool ctrl, bool alt, bool shift,
                  bool win);

// Codes that Windows itself may take; choosing one asks for confirmation in a
// Yes/No box titled kReservedHotKeyTitle with the text ReservedHotKeyWarning.
bool IsReservedHotKey(uint16_t code);
inline constexpr char kReservedHotKeyTitle[] = "Warning";
std::string ReservedHotKeyWarning(const std::string& name);

}  // namespace tavrin
