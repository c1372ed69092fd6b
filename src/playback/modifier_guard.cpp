#include "playback/modifier_guard.h"

#include "platform/hook_protocol.h"
#include "platform/virtual_keys.h"

namespace tavrin {

void ModifierGuard::Key(uint8_t virtualKey, bool up) {
    if (const uint32_t bits = HeldKeyBits(virtualKey)) {
        if (up) macroHolds_ &= ~bits;
        else macroHolds_ |= bits;
        pressedAgain_ &= ~bits;
        next_.Key(virtualKey, up);
        return;
    }
    if (up) {
        next_.Key(virtualKey, true);
        RestoreUsers(released_);
        released_ = 0;
        return;
    }
    RestoreUsers(released_);  // a press whose release never came
    released_ = ReleaseUsers();
    next_.Key(virtualKey, false);
}

void ModifierGuard::UnicodeCharacter(char c) {
    const uint32_t released = ReleaseUsers();
    next_.UnicodeCharacter(c);
    RestoreUsers(released);
}

void ModifierGuard::MacroEnded() {
    RestoreUsers(released_);
    released_ = 0;
    macroHolds_ = 0;
}

uint32_t ModifierGuard::ReleaseUsers() {
    // Keys the user presses while others are let go are let go too.
    uint32_t released = 0;
    uint32_t more = pressedAgain_;
    pressedAgain_ = 0;
    while ((more = (more | hooks_.ZynHeldModifiers()) & ~macroHolds_ & ~released) != 0) {
        if (more & kHeldMenuKeys) MaskKey();
        for (const HeldKey& h : kHeldKeys)
            if (more & h.bit) next_.Key(h.virtualKey, true);
        released |= more;
        more = 0;
    }
    return released;
}

void ModifierGuard::RestoreUsers(uint32_t released) {
    if (released == 0) return;
    const uint32_t held = released & hooks_.ZynHeldModifiers();
    for (const HeldKey& h : kHeldKeys)
        if (held & h.bit) next_.Key(h.virtualKey, false);
    if (held & kHeldMenuKeys) MaskKey();
    pressedAgain_ |= held;
}

void ModifierGuard::MaskKey() {
    next_.Key(vk::kMask, false);
    next_.Key(vk::kMask, true);
}

}  // namespace tavrin
