// The commands of the main window that follow the selected macro and the page shown.
#include <gtest/gtest.h>

#include "forms/macro_commands.h"
#include "store/macro_record.h"

namespace tavrin {
namespace {

constexpr uint16_t kCtrlA = 0;

TEST(MacroCommands, SelectionBrowseModesAndPages) {
    MacroCommandInput in;
    in.hasMacro = true;
    in.hotKey = kCtrlA;
    MacroCommandState st = MacroCommands(in);
    for (MacroCommand c : {MacroCommand::Copy, MacroCommand::ModifyDirectly, MacroCommand::Remove,
                           MacroCommand::Activate, MacroCommand::Recapture, MacroCommand::Scripting,
                           MacroCommand::Rename, MacroCommand::QuickInfo, MacroCommand::Import})
        EXPECT_TRUE(st.Enabled(c)) << static_cast<int>(c);
    EXPECT_EQ(st.activateCaption, "Deacti&vate Macro");
    EXPECT_EQ(st.activateHint, "Deactivate Macro");
    EXPECT_EQ(st.modifyCaption, "Modify &Directly");

    in.active = false;
    in.hotKey = kHotKeyTimed;
    st = MacroCommands(in);
    EXPECT_EQ(st.activateCaption, "Acti&vate Macro");
    EXPECT_EQ(st.activateHint, "Activate Macro");
    EXPECT_FALSE(st.Enabled(MacroCommand::Recapture)) << "a timed macro is not recaptured";
    EXPECT_TRUE(st.Enabled(MacroCommand::Scripting));
    in.hotKey = kHotKeyQuillet;
    EXPECT_TRUE(MacroCommands(in).Enabled(MacroCommand::Recapture));

    in.scope = kScopePopupMenu;
    in.hotKey = kCtrlA;
    st = MacroCommands(in);
    EXPECT_EQ(st.modifyCaption, "Mo&dify Popup Menu");
    EXPECT_EQ(st.modifyHint, "Modify Macro Popup Menu");
    EXPECT_FALSE(st.Enabled(MacroCommand::Scripting));
    EXPECT_FALSE(st.Enabled(MacroCommand::Recapture));
    EXPECT_TRUE(st.Enabled(MacroCommand::ModifyDirectly));

    in.scope = kScopeSystem;
    st = MacroCommands(in);
    for (MacroCommand c : {MacroCommand::Copy, MacroCommand::ModifyDirectly, MacroCommand::Remove,
                           MacroCommand::Activate, MacroCommand::Recapture, MacroCommand::Scripting})
        EXPECT_FALSE(st.Enabled(c)) << "system macro, command " << static_cast<int>(c);
    EXPECT_TRUE(st.Enabled(MacroCommand::QuickInfo));

    in.scope = kScopeGlobal;
    in.browseMode = true;
    st = MacroCommands(in);
    EXPECT_FALSE(st.Enabled(MacroCommand::Copy));
    EXPECT_FALSE(st.Enabled(MacroCommand::Import));
    EXPECT_FALSE(st.Enabled(MacroCommand::Add));
    EXPECT_TRUE(st.Enabled(MacroCommand::QuickInfo)) << "Quick Info stays in Browse Mode";
    in.browseAllMode = true;
    st = MacroCommands(in);
    EXPECT_FALSE(st.Enabled(MacroCommand::QuickInfo));
    EXPECT_FALSE(st.Enabled(MacroCommand::Sort));

    MacroCommandInput none;
    st = MacroCommands(none);
    EXPECT_FALSE(st.Enabled(MacroCommand::QuickInfo));
    EXPECT_FALSE(st.Enabled(MacroCommand::Rename));
    EXPECT_FALSE(st.Enabled(MacroCommand::OnDesktop));
    EXPECT_TRUE(st.Enabled(MacroCommand::Add));

    in = MacroCommandInput{};
    in.hasMacro = true;
    in.wizardsPage = true;
    st = MacroCommands(in);
    EXPECT_FALSE(st.Enabled(MacroCommand::Appearance));
    EXPECT_FALSE(st.Enabled(MacroCommand::Sort));
    EXPECT_FALSE(st.Enabled(MacroCommand::QuickInfo));
    EXPECT_TRUE(st.Enabled(MacroCommand::Add)) << "adding is not a macro-page command";
}

}  // namespace
}  // namespace tavrin
