#pragma once
// What the hook library makes of each input event: the messages it posts to
// the program, whether the event is kept from the programs behind the hooks,
// and which modifier keys the user holds. Decided here without the system;
// the library's hook callbacks describe each event, carry out the actions and
// answer the hook.
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/macro_table.h"
#include "platform/desktop.h"

namespace tavrin {

// The fields of the library's table copy that the hooks decide by, read
// together.
struct HookView {
    WindowId mainWindow = 0;
    WindowId keyEntryWindow = 0;
    bool keyEntryOn = false;
    bool inUse = false;
    bool hasQuillets = false;
    bool idleWatch = false;
    bool waitClick = false;
    bool waitKey = false;
    bool waitText = false;
    bool waitDrain = false;
    std::bitset<kHotKeyCodes> hotKeyUsed;
};

struct HookAction {
    enum Kind {
        Post,      // post message with wParam and lParam to window
        TakeFlag,  // clear the table's flag; post message to window if it was still set
        MaskKey,   // inject the mask key once the hook has returned, then the release
                   // of key wParam unless it is 0
    };
    Kind kind = Post;
    WindowId window = 0;
    uint32_t message = 0;
    uint64_t wParam = 0;
    int64_t lParam = 0;
    size_t flag = 0;  // TakeFlag: the flag's offset in the table

    bool operator==(const HookAction& o) const {
        return kind == o.kind && window == o.window && message == o.message &&
               wParam == o.wParam && lParam == o.lParam && flag == o.flag;
    }
};

struct HookOutcome {
    bool swallow = false;  // keep the event from the programs behind the hook
    // A modifier press swallowed while playback types: down for the hooks,
    // up for the system until its release.
    bool heldBack = false;
    std::vector<HookAction> actions;
};

// The modifiers of an event, as the keys seen so far hold them (the
// program's own injected ones included).
struct KeyModifiers {
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
    bool win = false;
};

struct KeyEvent {
    uint32_t virtualKey = 0;
    bool down = true;
    bool injected = false;
    bool repeat = false;  // a press of a key already down
    KeyModifiers modifiers;
    bool capsLock = false;
    uint32_t time = 0;  // ms
};

struct MouseEvent {
    // 1 left (the primary button), 2 right, 3 middle, kXButton a side
    // button; 0 a move or the wheel.
    int button = 0;
    bool down = true;
    bool injected = false;
    KeyModifiers modifiers;
    bool capsLock = false;
    uint32_t time = 0;  // ms
    static constexpr int kXButton = 4;
};

// What a key press types.
struct Typed {
    enum Kind { None, Character, Composed } kind = None;
    char character = 0;  // for Character
    // A dead key's own character, typed before this one when the two do
    // not compose; 0 for none.
    char before = 0;
};

// What a decision may have to ask about the event being reported, asked only
// when it is needed: translating a key has side effects on dead keys.
class EventContext {
public:
    virtual ~EventContext() = default;
    virtual Typed Translate() = 0;
    virtual WindowId Foreground() = 0;
    // Whether the window in front is one of the program's own.
    virtual bool OwnWindowInFront() = 0;
};

class HookDecision {
public:
    // Ms between two user-activity reports.
    static constexpr uint32_t kActivityInterval = 1000;

    HookOutcome OnKey(const HookView& v, const KeyEvent& e, EventContext& context);
    HookOutcome OnMouse(const HookView& v, const MouseEvent& e, EventContext& context);
    // A window came to the front; reported once per change.
    HookOutcome OnForeground(const HookView& v, WindowId window);
    HookOutcome OnProgramsChanged(const HookView& v);

    // Takes window as the one in front, without a report.
    void SetFront(WindowId window) { lastFront_ = window; }
    // The keyboard hook starts again: no key is known to be held.
    void ResetKeys();
    // The Shift, Ctrl, Alt and Win keys the user holds and the system has
    // seen pressed (bits of kHeldKeys): the ones playback has to let go of.
    uint32_t HeldKeys() const { return heldKeys_; }

private:
    void NoteActivity(const HookView& v, uint32_t time, HookOutcome& out);
    void ReportTyping(const HookView& v, const KeyEvent& e, EventContext& context,
                      HookOutcome& out);
    void ResetTyping(const HookView& v, HookOutcome& out);
    // A hot key combination: true when it was taken (and is to be swallowed).
    bool TakeHotKey(const HookView& v, int code, bool repeat, bool entryAllowed,
                    const KeyModifiers& m, bool capsLock, EventContext& context,
                    HookOutcome& out);

    std::bitset<256> swallowedKeys_;
    std::bitset<4> swallowedButtons_;
    uint32_t heldKeys_ = 0;
    // Held keys whose last event was playback letting go of them.
    uint32_t releasedByPlayback_ = 0;
    // The last key pressed, when it was an Alt or Win key pressed by
    // playback: its bits.
    uint32_t playedMenuKey_ = 0;
    WindowId lastFront_ = 0;
    uint32_t lastActivity_ = 0;
    bool activitySent_ = false;
};

}  // namespace tavrin
