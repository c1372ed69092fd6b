#include "playback/key_pace.h"

#include "platform/hook_protocol.h"
#include "platform/virtual_keys.h"

namespace tavrin {

void KeyPace::Pace() {
    const uint64_t due = lastPress_ + kKeyPace;
    while (pump_.Ticks() < due) pump_.WaitUntil(due);
    lastPress_ = pump_.Ticks();
}

void KeyPace::Key(uint8_t virtualKey, bool up) {
    if (!up && HeldKeyBits(virtualKey) == 0 && virtualKey != vk::kMask) Pace();
    next_.Key(virtualKey, up);
}

void KeyPace::UnicodeCharacter(char c) {
    Pace();
    next_.UnicodeCharacter(c);
}

}  // namespace tavrin
