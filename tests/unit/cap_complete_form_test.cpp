#include "forms/cap_complete_form.h"
#include "forms/capture_defaults_form.h"
#include "forms/capture_keys_form.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

#include "capture/capture_request.h"
#include "fakes/fake_messages.h"
#include "store/hot_key_codes.h"

namespace tavrin {
namespace {

constexpr uint16_t kCtrlAltN = 157;

uint16_t AReservedCode() {
    for (uint16_t c = 0; c < kHotKeyCodes; ++c)
        if (IsReservedHotKey(c)) return c;
    return 0;
}

TEST(CapCompleteFormTest, UsageNotesCountEveryMacro) {
    MacroTable t;
    t.SetMacroCount(3);
    t.SetHotKeyOf(1, kCtrlAltN);
    t.SetHotKeyOf(2, kCtrlAltN);
    t.SetHotKeyOf(3, 158);
    EXPECT_EQ(HotKeyUsageNote(t, kCtrlAltN), "  (2 macros in use)");
    EXPECT_EQ(HotKeyUsageNote(t, 158), "  (1 macro in use)");
    EXPECT_EQ(HotKeyUsageNote(t, 159), "  (Not in Use)");
}

TEST(CapCompleteFormTest, ChecksByMacroType) {
    MacroTable t;
    t.SetMacroCount(1);
    t.SetHotKeyOf(1, kCtrlAltN);
    t.SetScopeOf(1, kScopeGlobal);
    FakeMessages messages;

    CapCompleteForm f(true);
    EXPECT_EQ(f.Check(t, messages).message, "No hot key selected.  Please select one.");
    f.HotKey = kCtrlAltN;
    EXPECT_EQ(f.Check(t, messages).message,
              "A Global Hot Key is already in use for the selected hot key.  Please select a "
              "different one or choose the Program specific option.");
    f.Global = false;
    EXPECT_EQ(f.Check(t, messages).field, CapCompleteForm::kNone) << "Program for the same key";
    t.SetScopeOf(1, kScopeWindow);
    f.Global = true;
    EXPECT_EQ(f.Check(t, messages).field, CapCompleteForm::kNone) << "a Window macro's key";

    f.HotKey = AReservedCode();
    messages.answer = false;
    const CapCompleteForm::Failure no = f.Check(t, messages);
    EXPECT_EQ(no.field, CapCompleteForm::kHotKeyList) << "No keeps the dialog open";
    EXPECT_TRUE(no.message.empty());
    messages.answer = true;
    EXPECT_EQ(f.Check(t, messages).field, CapCompleteForm::kNone);

    f.Type = CapCompleteForm::Kind::Quillet;
    f.Quillet = "   ";
    EXPECT_EQ(f.Check(t, messages).message, "No Quillet name entered.");
    f.Type = CapCompleteForm::Kind::None;
    EXPECT_EQ(f.Check(t, messages).field, CapCompleteForm::kNone);
}

TEST(CapCompleteFormTest, ApplyGivesTheTriggerNameAndScope) {
    MacroRecord r;
    r.Nickname = "Capture";
    r.QuilletName = "capture";
    r.HotKey = kHotKeyQuillet;
    CapCompleteForm f(false);
    f.Type = CapCompleteForm::Kind::Quillet;
    f.Quillet = "  abcdefghijkl ";
    f.Nickname = "  Letters  ";
    f.Apply(r, std::string(40, 'P'));
    EXPECT_EQ(r.QuilletName, "abcdefghij");
    EXPECT_EQ(r.HotKey, kHotKeyQuillet);
    EXPECT_EQ(r.Nickname, "Letters");
    EXPECT_EQ(r.Scope, kScopeProgram);
    EXPECT_EQ(r.ScopeName, std::string(30, 'P'));
    EXPECT_EQ(r.TopMostOnly, 1);

    CapCompleteForm g(true);
    g.HotKey = kCtrlAltN;
    MacroRecord h;
    g.Apply(h, "NOTEPAD.EXE");
    EXPECT_EQ(h.HotKey, kCtrlAltN);
    EXPECT_EQ(h.Scope, kScopeGlobal);
    g.Type = CapCompleteForm::Kind::None;
    g.Apply(h, "");
    EXPECT_EQ(h.HotKey, kHotKeyNone);
}

}  // namespace
}  // namespace tavrin

namespace tavrin {
namespace {

TEST(CaptureDefaultsFormTest, DependentControlsAndStoring) {
    Settings s;
    s.CaptureRelativeToScreen = 9;  // a hand-edited settings file
    s.CaptureSpeed = 0;
    CaptureDefaultsForm f(s);
    EXPECT_EQ(f.Relative, 1);
    EXPECT_EQ(f.Speed, 1);
    EXPECT_TRUE(f.DoubleAltEnabled());
    EXPECT_TRUE(f.RelativeEnabled());
    EXPECT_FALSE(f.WindowSizeEnabled()) << "only relative to the window";
    f.Relative = 2;
    EXPECT_TRUE(f.WindowSizeEnabled());
    f.Mouse = false;
    EXPECT_FALSE(f.RelativeEnabled());
    EXPECT_FALSE(f.WindowSizeEnabled());
    f.Keys = false;
    EXPECT_FALSE(f.DoubleAltEnabled());
    f.Time = false;
    EXPECT_FALSE(f.SpeedsEnabled());

    f.Speed = 2;
    f.Global = false;
    f.Prompt = false;
    f.OkButtonClick(s);
    EXPECT_FALSE(s.CaptureKeys);
    EXPECT_FALSE(s.CaptureMouse);
    EXPECT_FALSE(s.CaptureTime);
    EXPECT_FALSE(s.CapturePrompt);
    EXPECT_FALSE(s.CaptureGlobal);
    EXPECT_EQ(s.CaptureRelativeToScreen, 2);
    EXPECT_EQ(s.CaptureSpeed, 2);
}

// Both dialogs take their options from the settings through
// CaptureDefaultsForm: "Capture Defaults" stores them back, "Capture Macro"
// makes the capture's options and speed of them.
auto CaptureFields(const Settings& s) {
    return std::make_tuple(s.CaptureKeys, s.CaptureDoubleAlt, s.CaptureMouse,
                           s.CaptureRelativeToScreen, s.CaptureClicksOnly, s.CaptureWindowSize,
                           s.CaptureTime, s.CaptureSpeed, s.CapturePrompt, s.CaptureGlobal);
}

auto OptionFields(const CaptureOptions& o) {
    return std::make_tuple(o.keys, o.doubleAlt, o.mouse, o.relative, o.clicksOnly, o.windowSize,
                           o.time);
}

struct OptionCase {
    const char* what;
    std::function<void(Settings&)> change;  // away from the default
};

const std::vector<OptionCase>& OptionCases() {
    static const std::vector<OptionCase> cases = {
        {"keys", [](Settings& s) { s.CaptureKeys = false; }},
        {"double Alt", [](Settings& s) { s.CaptureDoubleAlt = false; }},
        {"mouse", [](Settings& s) { s.CaptureMouse = false; }},
        {"relative to the window", [](Settings& s) { s.CaptureRelativeToScreen = 2; }},
        {"relative to the position", [](Settings& s) { s.CaptureRelativeToScreen = 3; }},
        {"clicks only", [](Settings& s) { s.CaptureClicksOnly = false; }},
        {"no window size, relative to the window",
         [](Settings& s) {
             s.CaptureRelativeToScreen = 2;
             s.CaptureWindowSize = false;
         }},
        {"time", [](Settings& s) { s.CaptureTime = false; }},
        {"half speed", [](Settings& s) { s.CaptureSpeed = 2; }},
        {"double speed", [](Settings& s) { s.CaptureSpeed = 3; }},
        {"quadruple speed", [](Settings& s) { s.CaptureSpeed = 4; }},
        {"prompt", [](Settings& s) { s.CapturePrompt = false; }},
        {"global", [](Settings& s) { s.CaptureGlobal = false; }},
    };
    return cases;
}

TEST(CaptureOptionsRoundTripTest, CaptureDefaultsStoresWhatItShowed) {
    for (const OptionCase& c : OptionCases()) {
        Settings s;
        c.change(s);
        Settings back;
        CaptureDefaultsForm(s).OkButtonClick(back);
        EXPECT_EQ(CaptureFields(back), CaptureFields(s)) << c.what;
    }
}

TEST(CaptureOptionsRoundTripTest, CaptureMacroCapturesWhatItShowed) {
    for (const OptionCase& c : OptionCases()) {
        Settings s;
        c.change(s);
        Settings chosen;
        CaptureDefaultsForm(s).OkButtonClick(chosen);
        EXPECT_EQ(OptionFields(CaptureOptionsOf(chosen)), OptionFields(CaptureOptionsOf(s)))
            << c.what;
        EXPECT_EQ(chosen.CaptureSpeed, s.CaptureSpeed) << c.what;
    }
}

TEST(CaptureOptionsRoundTripTest, EachSettingIsShownInItsOwnField) {
    Settings s;
    s.CaptureKeys = s.CaptureMouse = s.CaptureWindowSize = s.CapturePrompt = false;
    s.CaptureRelativeToScreen = 3;
    s.CaptureSpeed = 2;
    const CaptureDefaultsForm f(s);
    EXPECT_EQ(std::make_tuple(f.Keys, f.DoubleAlt, f.Mouse, f.Relative, f.ClicksOnly,
                              f.WindowSize, f.Time, f.Speed, f.Prompt, f.Global),
              std::make_tuple(false, true, false, 3, true, false, true, 2, false, true));
}

}  // namespace
}  // namespace tavrin

namespace tavrin {
namespace {

TEST(CaptureKeysFormTest, TextsAndTheGlobalChoice) {
    MacroRecord q;
    q.HotKey = kHotKeyQuillet;
    q.QuilletName = "sig";
    EXPECT_EQ(CaptureTriggerText(q), "Quillet: sig");
    EXPECT_EQ(CaptureOwnStopText(q), "");
    MacroRecord h;
    h.HotKey = 157;
    h.Scope = kScopeWindow;
    EXPECT_EQ(CaptureTriggerText(h), "Ctrl+Alt+N");
    EXPECT_EQ(CaptureOwnStopText(h), "Or Press Ctrl+Alt+N to end capture");
    EXPECT_EQ(CaptureStopText(263), "Press Ctrl+Alt+Shift+X to end capture");

    MacroTable t;
    t.SetMacroCount(2);
    t.SetHotKeyOf(2, 157);
    t.SetScopeOf(2, kScopeWindow);
    t.SetHotKeyOf(1, 157);
    t.SetScopeOf(1, kScopeWindow);
    EXPECT_TRUE(CaptureGlobalAllowed(t, 2, h));
    t.SetScopeOf(1, kScopeGlobal);
    EXPECT_FALSE(CaptureGlobalAllowed(t, 2, h)) << "a Global macro has the key";
    h.Scope = kScopeGlobal;
    EXPECT_TRUE(CaptureGlobalAllowed(t, 2, h));
}

}  // namespace
}  // namespace tavrin
