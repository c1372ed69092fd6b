#pragma once
// Input that the user's fingers cannot change: the Shift, Ctrl, Alt and
// Windows keys the user holds on the keyboard are let go around every key
// and character played, and pressed again afterwards while the user still
// holds them. Modifiers the macro pressed itself (a "<CTLD>", the Shift of
// a capital) are the macro's and stay as they are. Before an Alt or Win is
// let go, and after one is pressed again, the mask key goes in between, so
// neither release opens a menu.
//
// The user may let go of a key just as it is pressed again for him; his
// release may then come first and leave the key down. So a key pressed
// again is let go before the next key whether the user still holds it or
// not.
#include <cstdint>

#include "platform/hook_library.h"
#include "playback/input_filter.h"

namespace tavrin {

class ModifierGuard : public InputFilter {
public:
    ModifierGuard(Input& input, HookLibrary& hooks) : InputFilter(input), hooks_(hooks) {}

    void Key(uint8_t virtualKey, bool up) override;
    void UnicodeCharacter(char c) override;
    // A "<CTLD>" or a key press left down by a macro that ended, or was
    // aborted, no longer keeps the user's keys from being let go.
    void MacroEnded() override;

private:
    // Lets go of the user's modifiers; the ones let go.
    uint32_t ReleaseUsers();
    // Presses again those of released the user still holds.
    void RestoreUsers(uint32_t released);
    void MaskKey();

    HookLibrary& hooks_;
    uint32_t macroHolds_ = 0;    // modifier keys the macro pressed and has not released
    uint32_t released_ = 0;      // let go for the key now down, pressed again at its release
    uint32_t pressedAgain_ = 0;  // pressed again for the user since the last key
};

}  // namespace tavrin
