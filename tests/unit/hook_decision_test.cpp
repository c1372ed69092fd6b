#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "platform/hook_protocol.h"
#include "platform/virtual_keys.h"
#include "store/hot_key_codes.h"
#include "triggers/hook_decision.h"

namespace tavrin {
namespace {

using Strings = std::vector<std::string>;
constexpr WindowId kMain = 1;
constexpr WindowId kEntry = 2;
constexpr WindowId kFront = 77;
constexpr int kCtrlAltN = 157;
constexpr int kCtrlShiftN = 109;
const int kCtrlLeftClick = HotKeyCodeFor(0, 1, true, false, false, false);

class FakeContext : public EventContext {
public:
    Typed typed;
    int translations = 0;
    Typed Translate() override {
        ++translations;
        return typed;
    }
    bool ownInFront = false;
    WindowId Foreground() override { return kFront; }
    bool OwnWindowInFront() override { return ownInFront; }
};

// Feeds a HookDecision the way the library's hooks do: the modifiers and
// repeats come from the keys sent so far, as the key tracker follows them.
class HookDecisionTest : public ::testing::Test {
protected:
    HookDecision decision;
    HookView view;
    FakeContext context;
    std::set<uint32_t> down;
    bool capsLock = false;
    uint32_t now = 5000;

    void SetUp() override {
        view.mainWindow = kMain;
        view.keyEntryWindow = kEntry;
        view.hotKeyUsed.set(kCtrlAltN);
        view.hotKeyUsed.set(kCtrlShiftN);
        view.hotKeyUsed.set(kCtrlLeftClick);
    }

    KeyModifiers Modifiers() const {
        auto any = [&](std::initializer_list<uint32_t> keys) {
            for (uint32_t k : keys)
                if (down.count(k)) return true;
            return false;
        };
        return {any({vk::kCtrl, vk::kLeftCtrl, vk::kRightCtrl}),
                any({vk::kAlt, vk::kLeftAlt, vk::kRightAlt}),
                any({vk::kShift, vk::kLeftShift, vk::kRightShift}),
                any({vk::kLeftWin, vk::kRightWin})};
    }

    static Strings Describe(const HookOutcome& out) {
        Strings lines;
        if (out.swallow) lines.push_back("swallow");
        for (const HookAction& a : out.actions) {
            char line[80];
            switch (a.kind) {
            case HookAction::Post:
                std::snprintf(line, sizeof line, "post %#x to %llu: %llu %lld", a.message,
                              static_cast<unsigned long long>(a.window),
                              static_cast<unsigned long long>(a.wParam),
                              static_cast<long long>(a.lParam));
                break;
            case HookAction::TakeFlag:
                std::snprintf(line, sizeof line, "take %zu, then post %#x to %llu", a.flag,
                              a.message, static_cast<unsigned long long>(a.window));
                break;
            case HookAction::MaskKey:
                std::snprintf(line, sizeof line, a.wParam ? "mask, then up %llu" : "mask",
                              static_cast<unsigned long long>(a.wParam));
                break;
            }
            lines.push_back(line);
        }
        return lines;
    }

    Strings Key(uint32_t key, bool press, bool injected = false) {
        KeyEvent e;
        e.virtualKey = key;
        e.down = press;
        e.injected = injected;
        e.repeat = press && down.count(key) != 0;
        if (press) down.insert(key);
        else down.erase(key);
        if (key == vk::kCapsLock && press && !e.repeat) capsLock = !capsLock;
        e.modifiers = Modifiers();
        e.capsLock = capsLock;
        e.time = now;
        return Describe(decision.OnKey(view, e, context));
    }
    Strings Press(uint32_t key, bool injected = false) { return Key(key, true, injected); }
    Strings Release(uint32_t key, bool injected = false) { return Key(key, false, injected); }

    Strings Mouse(int button, bool press, bool injected = false) {
        MouseEvent e;
        e.button = button;
        e.down = press;
        e.injected = injected;
        e.modifiers = Modifiers();
        e.capsLock = capsLock;
        e.time = now;
        return Describe(decision.OnMouse(view, e, context));
    }
};

TEST_F(HookDecisionTest, AHotKeyIsSwallowedWithItsReleaseAndReportedOnce) {
    EXPECT_EQ(Press(vk::kLeftCtrl), Strings{});
    EXPECT_EQ(Press(vk::kLeftAlt), Strings{});
    EXPECT_EQ(Press('N'), (Strings{"swallow", "post 0x402 to 1: 157 77", "mask"}));
    EXPECT_EQ(Press('N'), Strings{"swallow"}) << "a repeat is kept back but not reported";
    EXPECT_EQ(Release('N'), Strings{"swallow"});
    EXPECT_EQ(Release('N'), Strings{}) << "only one release per swallowed press";
    EXPECT_EQ(Release(vk::kLeftAlt), Strings{});
    EXPECT_EQ(Release(vk::kLeftCtrl), Strings{});

    EXPECT_EQ(Press(vk::kCapsLock), Strings{"post 0x409 to 1: 1 0"});
    Release(vk::kCapsLock);
    Press(vk::kRightCtrl);
    Press(vk::kRightShift);
    EXPECT_EQ(Press('N'), (Strings{"swallow", "post 0x402 to 1: 32877 77"}))
        << "Caps Lock sets bit 15; no Alt or Win, no mask key";
    Release('N');
    Release(vk::kRightShift);
    EXPECT_EQ(Press('N'), Strings{}) << "Ctrl+N is no hot key here";

    EXPECT_EQ(Mouse(1, true),
              (Strings{"swallow", "post 0x402 to 1: " +
                                      std::to_string(kCtrlLeftClick | kCapsLockBit) + " 77"}));
    EXPECT_EQ(Mouse(1, false), Strings{"swallow"});
    Release(vk::kRightCtrl);
    EXPECT_EQ(Mouse(1, true), Strings{});
    EXPECT_EQ(Mouse(1, false), Strings{}) << "a release is swallowed only after its press was";
}

TEST_F(HookDecisionTest, WinHotKeysGetTheMaskKeyToo) {
    view.hotKeyUsed.set(720);  // Win+Space
    Press(vk::kLeftWin);
    EXPECT_EQ(Press(vk::kSpace), (Strings{"swallow", "post 0x402 to 1: 720 77", "mask"}));
    EXPECT_EQ(Press(vk::kSpace), Strings{"swallow"}) << "no mask key for a repeat";
}

TEST_F(HookDecisionTest, TheUsersAltLetGoRightAfterPlaybackPressedItOpensNoMenu) {
    Press(vk::kLeftAlt);  // the hot key's Alt
    view.inUse = true;
    Release(vk::kLeftAlt, true);
    Press(vk::kLeftAlt, true);
    EXPECT_EQ(Release(vk::kLeftAlt), (Strings{"swallow", "mask, then up 164"}));
    EXPECT_EQ(decision.HeldKeys(), 0u);

    Press(vk::kRightWin, true);
    Press('X', true);
    EXPECT_EQ(Release(vk::kRightWin), Strings{}) << "a key came in between";
    Press(vk::kLeftAlt);
    EXPECT_EQ(Release(vk::kLeftAlt), Strings{}) << "the user's own Alt opens the menu";
    Press(vk::kLeftAlt, true);
    EXPECT_EQ(Release(vk::kLeftAlt, true), Strings{}) << "and so does a macro's";
}

TEST_F(HookDecisionTest, InjectedInputWhileInUseIsOurOwnPlaybackAndPasses) {
    view.hasQuillets = view.waitKey = view.waitText = view.waitClick = view.idleWatch = true;
    view.inUse = true;
    context.typed = {Typed::Character, 'n'};
    Press(vk::kCtrl, true);
    Press(vk::kAlt, true);
    EXPECT_EQ(Press('N', true), Strings{});
    EXPECT_EQ(Release('N', true), Strings{});
    EXPECT_EQ(Mouse(1, true, true), Strings{});
    EXPECT_EQ(Mouse(MouseEvent::kXButton, true, true), Strings{});
    EXPECT_EQ(context.translations, 0);
    EXPECT_EQ(decision.HeldKeys(), 0u) << "injected modifiers are not the user's";

    view.inUse = false;
    EXPECT_EQ(Press('N', true), (Strings{"swallow", "post 0x402 to 1: 157 77", "mask"}))
        << "injected outside our playback, a hot key is a hot key";
}

TEST_F(HookDecisionTest, TheUsersModifiersPressedWhilePlaybackTypesAreKeptFromTheSystem) {
    view.waitKey = true;
    Press(vk::kLeftCtrl);  // the hot key's Ctrl and Alt, pressed before the macro started
    Press(vk::kLeftAlt);
    view.inUse = true;
    Release(vk::kLeftCtrl, true);  // playback lets go of them
    Release(vk::kLeftAlt, true);
    EXPECT_EQ(Press('N'), (Strings{"swallow", "post 0x402 to 1: 157 77", "mask"}))
        << "the user's fingers are still on them";
    Release('N');
    Release(vk::kLeftAlt);
    Release(vk::kLeftCtrl);

    EXPECT_EQ(Press(vk::kLeftCtrl), (Strings{"swallow", "post 0x40f to 1: 17 0"}))
        << "held back, and a wait for Ctrl still sees it";
    EXPECT_EQ(Press(vk::kLeftAlt), (Strings{"swallow", "post 0x40f to 1: 18 0"}));
    EXPECT_EQ(decision.HeldKeys(), 0u) << "the system never saw them: playback lets go of nothing";
    EXPECT_EQ(Press('N'), (Strings{"swallow", "post 0x402 to 1: 157 77", "mask"}))
        << "for the hot keys they are held";
    Release('N');
    EXPECT_EQ(Release(vk::kLeftAlt), Strings{}) << "releases pass";
    EXPECT_EQ(Release(vk::kLeftCtrl), Strings{});

    context.ownInFront = true;
    EXPECT_EQ(Press(vk::kLeftAlt), (Strings{"post 0x40f to 1: 18 0"}))
        << "in the program's own windows the keys work";
    EXPECT_EQ(decision.HeldKeys(), 0x10u);
    Release(vk::kLeftAlt);
    context.ownInFront = false;
    view.inUse = false;
    EXPECT_EQ(Press(vk::kLeftAlt), (Strings{"post 0x40f to 1: 18 0"})) << "no macro plays";
}

TEST_F(HookDecisionTest, TheAbortKeyPressedAndInjected) {
    EXPECT_EQ(Press(kAbortKey), Strings{"post 0x405 to 1: 0 0"});
    Release(kAbortKey);
    view.inUse = true;
    EXPECT_EQ(Press(kAbortKey), (Strings{"swallow", "post 0x405 to 1: 0 0"}));
    EXPECT_EQ(Press(kAbortKey), Strings{"swallow"}) << "a repeat aborts nothing more";
    EXPECT_EQ(Release(kAbortKey), Strings{"swallow"});
    EXPECT_EQ(Press(kAbortKey, true), Strings{}) << "a macro's <PAUSEKEY> aborts nothing";
    Release(kAbortKey, true);
    view.inUse = false;
    EXPECT_EQ(Press(kAbortKey, true), Strings{});
}

TEST_F(HookDecisionTest, TheEndMarkerClearsInUseAndTheDrainWait) {
    view.inUse = view.waitDrain = true;
    EXPECT_EQ(Press(kEndMarkerKey, true),
              (Strings{"swallow", "take 783, then post 0x40c to 1",
                       "take 14583, then post 0x411 to 1"}));
    EXPECT_EQ(Release(kEndMarkerKey, true), Strings{"swallow"});
    view.inUse = view.waitDrain = false;
    EXPECT_EQ(Press(kEndMarkerKey, true), Strings{"swallow"})
        << "a late marker is still kept from the window";
    Release(kEndMarkerKey, true);
    view.inUse = true;
    EXPECT_EQ(Press(kEndMarkerKey), Strings{}) << "the user's own key 43 is no marker";
}

TEST_F(HookDecisionTest, TypedCharactersAndWhatForgetsThem) {
    view.hasQuillets = view.waitText = true;
    context.typed = {Typed::Character, 'a'};
    EXPECT_EQ(Press('A'), (Strings{"post 0x406 to 1: 0 97", "post 0x410 to 1: 0 97"}));
    Release('A');
    Press(vk::kCapsLock);
    Release(vk::kCapsLock);
    context.typed = {Typed::Character, 'A'};
    EXPECT_EQ(Press('A'), (Strings{"post 0x406 to 1: 2 65", "post 0x410 to 1: 0 65"}));
    Release('A');

    const Strings reset{"post 0x406 to 1: 1 0", "post 0x410 to 1: 1 0"};
    int translated = context.translations;
    EXPECT_EQ(Press(37), reset) << "Left Arrow moves the caret";
    EXPECT_EQ(context.translations, translated);
    Release(37);
    Press(vk::kLeftAlt);
    translated = context.translations;
    EXPECT_EQ(Press('F'), reset) << "Alt+F is a shortcut";
    EXPECT_EQ(context.translations, translated) << "shortcuts and caret keys are not translated";
    Release('F');
    Press(vk::kLeftCtrl);
    context.typed = {Typed::Character, '@'};
    EXPECT_EQ(Press('Q'), (Strings{"post 0x406 to 1: 2 64", "post 0x410 to 1: 0 64"}))
        << "Ctrl+Alt is AltGr, which types";
    Release('Q');
    Release(vk::kLeftCtrl);
    Release(vk::kLeftAlt);

    context.typed = {Typed::Composed};
    EXPECT_EQ(Press(222), reset) << "a dead key";
    Release(222);
    context.typed = {Typed::Character, 't', '\''};
    EXPECT_EQ(Press('T'), (Strings{"post 0x406 to 1: 2 39", "post 0x410 to 1: 0 39",
                                   "post 0x406 to 1: 2 116", "post 0x410 to 1: 0 116"}))
        << "a dead key that composes nothing with the next types both";
    Release('T');
    context.typed = {};
    EXPECT_EQ(Press(vk::kLeftShift), Strings{}) << "a key that types nothing";
    EXPECT_EQ(Mouse(1, true), reset);
    EXPECT_EQ(Mouse(MouseEvent::kXButton, true), reset);
    EXPECT_EQ(Mouse(0, true), Strings{}) << "a move";
    EXPECT_EQ(Describe(decision.OnForeground(view, 9)),
              (Strings{"post 0x407 to 1: 9 0", "post 0x406 to 1: 1 0", "post 0x410 to 1: 1 0"}));
    EXPECT_EQ(Describe(decision.OnForeground(view, 9)), Strings{}) << "reported once per change";
    decision.SetFront(10);
    EXPECT_EQ(Describe(decision.OnForeground(view, 10)), Strings{});
}

TEST_F(HookDecisionTest, KeyEntryTakesEveryCombinationButAPlainClick) {
    view.keyEntryOn = true;
    view.waitClick = true;
    Press(vk::kLeftCtrl);
    Press(vk::kLeftShift);
    EXPECT_EQ(Press('Q'), (Strings{"swallow", "post 0x401 to 2: 112 0"}))
        << "to the entry field, used by a macro or not";
    Release('Q');
    Release(vk::kLeftShift);
    EXPECT_EQ(Mouse(1, true),
              (Strings{"swallow", "post 0x401 to 2: " + std::to_string(kCtrlLeftClick) + " 0"}));
    Mouse(1, false);
    Release(vk::kLeftCtrl);
    EXPECT_EQ(Mouse(1, true), Strings{"post 0x40e to 1: 1 0"});
    EXPECT_EQ(Mouse(1, false), Strings{});
}

TEST_F(HookDecisionTest, WaitKeysAndUserActivity) {
    view.waitKey = true;
    EXPECT_EQ(Press(vk::kRightShift), Strings{"post 0x40f to 1: 16 0"}) << "named generically";
    EXPECT_EQ(Press(vk::kRightShift), Strings{}) << "not for a repeat";
    Release(vk::kRightShift);
    view.waitKey = false;

    view.idleWatch = true;
    const Strings activity{"post 0x40b to 1: 0 0"};
    EXPECT_EQ(Press('A'), activity);
    Release('A');
    now += HookDecision::kActivityInterval - 1;
    EXPECT_EQ(Press('A'), Strings{}) << "at most one report a second";
    Release('A');
    now += 1;
    EXPECT_EQ(Press('A', true), Strings{}) << "injected input is no user";
    EXPECT_EQ(Mouse(0, true), activity);
}

TEST_F(HookDecisionTest, HeldKeysAreTheUsersOwn) {
    Press(vk::kLeftCtrl);
    Press(vk::kRightAlt);
    Press(vk::kShift, true);
    EXPECT_EQ(decision.HeldKeys(), 0x04u | 0x20u);
    Release(vk::kLeftCtrl, true);
    EXPECT_EQ(decision.HeldKeys(), 0x04u | 0x20u)
        << "playback letting go of a key does not lift the user's finger";
    Release(vk::kLeftCtrl);
    Press(vk::kLeftWin);
    EXPECT_EQ(decision.HeldKeys(), 0x20u | 0x40u);

    Press(vk::kLeftCtrl);
    Release(vk::kLeftCtrl, true);
    Press('N');
    EXPECT_EQ(decision.HeldKeys(), 0x04u | 0x20u | 0x40u)
        << "a key pressed while playback has let go of the user's Ctrl keeps it held";
    Release(vk::kLeftCtrl);

    down.erase(vk::kRightAlt);  // let go while a secure desktop was in front
    Press('A');
    EXPECT_EQ(decision.HeldKeys(), 0x40u) << "the next key forgets a release the hook missed";
    decision.ResetKeys();
    EXPECT_EQ(decision.HeldKeys(), 0u);
}

}  // namespace
}  // namespace tavrin
