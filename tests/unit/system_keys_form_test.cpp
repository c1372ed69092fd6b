#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/system_keys_form.h"
#include "playback_rig.h"

namespace tavrin {
namespace {

constexpr uint16_t kCtrlAltN = 157;
constexpr uint16_t kActivate = 262;  // Ctrl+Alt+Shift+W

class SystemKeysFormTest : public ::testing::Test, protected PlaybackRig {
protected:
    void SetUp() override { store.LoadMacroFile("C:\\K.ZYN"); }  // macros 1-4: system
    void Add(int16_t scope, uint16_t hotKey) {
        MacroRecord r;
        r.Nickname = "m";
        r.HotKey = hotKey;
        r.Scope = scope;
        r.ScopeName = scope == kScopeWindow ? "Notepad" : "";
        r.IconFile = "MAIN";
        store.AppendMacro(r);
    }
};

TEST_F(SystemKeysFormTest, KeysInUseAreRefusedWindowScopedOnesAccepted) {
    Add(kScopeGlobal, kCtrlAltN);
    Add(kScopeWindow, 158);
    SystemKeysForm form(store, 3);
    EXPECT_EQ(form.MacroOf(1), 1);
    EXPECT_EQ(form.KeyName(4), "Ctrl+Alt+Shift+Z");

    FormCheck global = form.Press(2, kCtrlAltN, messages);
    EXPECT_FALSE(global.ok);
    EXPECT_EQ(global.message,
              "The hot key \"Ctrl+Alt+N\" is already in use by a macro.  If you wish to use this "
              "hot key combination, you will first need to either remove or move the macro which "
              "is assigned to it.");
    EXPECT_FALSE(form.Press(2, kActivate, messages).ok) << "a system macro's own key";
    EXPECT_TRUE(form.Press(2, 158, messages).ok);
    EXPECT_EQ(form.KeyName(2), "Ctrl+Alt+O");

    messages.answer = false;
    EXPECT_FALSE(form.Press(3, 557, messages).ok) << "Win+D is reserved and the user said no";
    EXPECT_EQ(messages.shown.back().substr(0, 14), "Warning? Win+D");
    EXPECT_EQ(form.KeyName(3), "Ctrl+Alt+Shift+Y");
}

TEST_F(SystemKeysFormTest, OkRefusesASharedKeyAndRewritesOnlyChangedMacros) {
    SystemKeysForm same(store, 1);
    // Resume Pause takes Activate Program's key (as if it had been let go).
    MacroRecord activate;
    ASSERT_TRUE(store.ReadMacro(1, activate));
    activate.HotKey = kCtrlAltN;
    store.WriteMacro(1, activate);
    ASSERT_TRUE(same.Press(3, kActivate, messages).ok);
    const FormCheck shared = same.CheckAll();
    EXPECT_FALSE(shared.ok);
    EXPECT_EQ(shared.message, "The same hot key has been assigned to more than one system command.");

    SystemKeysForm menuOnly(store, 1);
    menuOnly.SetSystemMenu(2);
    hooks.calls.clear();
    EXPECT_TRUE(menuOnly.CheckAll().ok);
    EXPECT_FALSE(menuOnly.Save()) << "changing only the menu style rewrites no macro";
    EXPECT_TRUE(hooks.calls.empty());

    SystemKeysForm form(store, 1);
    ASSERT_TRUE(form.Press(3, 200, messages).ok);
    EXPECT_TRUE(form.Save());
    EXPECT_EQ(store.Table().HotKeyOf(3), 200);
    MacroRecord resume;
    ASSERT_TRUE(store.ReadMacro(3, resume));
    EXPECT_EQ(resume.HotKey, 200);
    EXPECT_EQ(hooks.calls, std::vector<std::string>{"ZynUpItem 3 count=4"});
}

}  // namespace
}  // namespace tavrin
