#pragma once
// Keystroke and mouse output: plain characters, key tags, modifiers, ALT
// keypad codes and mouse tags turned into injected input events.
#include <bitset>
#include <cstdint>
#include <functional>
#include <string>

#include "language/tag_recogniser.h"
#include "platform/input.h"

namespace tavrin {

// Modifiers pressed on behalf of the next key; per iteration of a run.
struct HeldModifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

class Keystrokes {
public:
    // delay waits a number of milliseconds scaled by the playback speed; it
    // is false when the user aborted the macro meanwhile, and then the key
    // or mouse action it came before is not sent.
    Keystrokes(Input& input, std::function<bool(int)> delay) : input_(input), delay_(delay) {}

    // Key and mouse delays, in milliseconds; 0 when off.
    void SetKeyDelay(int ms) { keyDelay_ = ms; }
    void SetMouseDelay(int ms) { mouseDelay_ = ms; }
    int KeyDelay() const { return keyDelay_; }
    int MouseDelay() const { return mouseDelay_; }

    void PostVKey(uint8_t key, bool up);
    void KeyPress(uint8_t key);
    void ReleaseHeld(HeldModifiers& held);
    void TypeCharacter(char c, HeldModifiers& held);
    void AltKeypad(const std::string& digits);

    // Plays a tag of CommandGroup::Keys (a key, modifier, ALT keypad or mouse
    // tag); false, having done nothing, for a tag of another group.
    bool PlayTag(const TagMatch& tag, HeldModifiers& held);

    // After an abort: lets go of every modifier the macro pressed and did
    // not release.
    void ReleaseModifiersLeftDown();

private:
    // False when an abort cut the delay short.
    bool KeyDelayWait();
    bool MouseDelayWait();
    void MouseMove(const TagMatch& tag);
    void Buttons(uint32_t down, uint32_t up, int times);

    Input& input_;
    std::function<bool(int)> delay_;
    int keyDelay_ = 0;
    int mouseDelay_ = 0;
    std::bitset<256> down_;  // modifiers the macro holds down
};

// The virtual key of a key tag, or -1 for any other tag.
int KeyTagVirtualKey(TagKind kind, int index);

}  // namespace tavrin
