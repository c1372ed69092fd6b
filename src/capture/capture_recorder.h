#pragma once
// Turns the user's keys and mouse actions into macro text that plays back as
// what the user did. The hook library describes each event; the text comes
// back piece by piece, to be sent on as it is made.
//
// Characters are written as themselves (Shift is in the character; one above
// 127 that the layout has no key for is typed back as the character itself). Keys with a
// tag are written as the tag; a key held with Ctrl, Alt or Win is written as
// its unshifted character or tag between the modifiers' down and up tags.
// Modifiers are written only when a key or click is made with them, so a
// Shift pressed for a capital leaves no tag. Caps Lock is not recorded: the
// characters already carry their case, and playback starts with it off.
#include <bitset>
#include <cstdint>
#include <string>

#include "capture/capture_setup.h"
#include "platform/input.h"

namespace tavrin {

struct CapturedKey {
    uint32_t virtualKey = 0;
    bool down = true;
    uint32_t time = 0;  // ms
    // What the press types with the modifiers held (0: nothing), and whether
    // it is a dead key, which types nothing until the next key: that one
    // types the character the two compose, or its own with the dead key's
    // character before it.
    char typed = 0;
    bool composed = false;
    // What the key types with no modifier at all (letters in lower case),
    // 0 when nothing.
    char unshifted = 0;
    char before = 0;  // a dead key's character typed before this one, 0 for none
};

// The window in front when a mouse event happened.
struct CapturedWindow {
    uint64_t id = 0;
    int left = 0, top = 0, width = 0, height = 0;
};

struct CapturedMouse {
    enum Kind { Move, Down, Up, Wheel } kind = Move;
    int button = 0;     // Down and Up: 1 left, 2 right, 3 middle
    int wheelDelta = 0;  // Wheel: 120 a notch forward, negative backward
    ScreenPoint at;     // screen pixels
    CapturedWindow window;
    uint32_t time = 0;  // ms
};

class CaptureRecorder {
public:
    // Two clicks of one button this close together at one place are a
    // double click.
    static constexpr uint32_t kDoubleClickTime = 500;  // ms
    // Shorter pauses between two actions are not written.
    static constexpr uint32_t kShortestDelay = 50;  // ms
    // With moves recorded, at most one move is written in this time.
    static constexpr uint32_t kMoveInterval = 100;  // ms

    // start: where the pointer was when the capture started, the base of the
    // first move relative to the last position.
    CaptureRecorder(const CaptureOptions& options, ScreenPoint start);

    std::string OnKey(const CapturedKey& key);
    std::string OnMouse(const CapturedMouse& mouse);
    // A key press kept out of the text (a hot key or a stop key): the
    // modifiers held with it were not pressed alone.
    void KeyKeptOut();
    // Completes what is pending and lets go of the modifiers the text holds.
    std::string Finish();

private:
    enum Modifier { kCtrl, kAlt, kShift, kWin, kModifiers };
    enum class Pending { None, Down, Clicked, SecondDown };

    // The modifier a key is (Ctrl, Alt, Shift or Win, either side), or -1.
    static int ModifierOf(uint32_t key);
    bool Held(int modifier) const;
    // A pause before the action of time, when it is long enough to keep.
    void Delay(uint32_t time, std::string& out);
    // Lets go of the modifiers the text holds and the user does not, and,
    // withHeld, presses the ones the user holds and the text does not.
    void MatchModifiers(bool withHeld, std::string& out);
    void Literal(char c, std::string& out);
    void Tag(const std::string& tag, std::string& out);
    void MoveTo(const CapturedMouse& m, std::string& out);
    // Writes a click kept back to see whether it is a double click.
    void FlushClicks(std::string& out);
    // The same, then a move kept back.
    void FlushMouse(std::string& out);
    void Button(int button, int kind, std::string& out);  // kind: 0 down, 1 up, 2 click, 3 double

    CaptureOptions options_;
    std::bitset<256> modifierKeysDown_;  // the modifier keys the user holds
    bool written_[kModifiers] = {};      // the text holds the modifier down
    int alone_ = -1;  // the modifier key pressed last, with nothing after it yet
    bool anyAction_ = false;
    uint32_t lastTime_ = 0;
    bool afterLiteralLt_ = false;  // the text ends in a literal "<"

    ScreenPoint lastPos_;  // where the text's last move left the pointer
    bool moved_ = false;
    uint64_t lastWindow_ = 0;
    ScreenPoint lastOrigin_;
    uint64_t sizedWindow_ = 0;
    bool moveWaiting_ = false;
    CapturedMouse waitingMove_;
    int wheelRest_ = 0;
    bool buttonDown_[4] = {};

    Pending pending_ = Pending::None;
    int pendingButton_ = 0;
    ScreenPoint pendingAt_;
    uint32_t pendingTime_ = 0;
};

}  // namespace tavrin
