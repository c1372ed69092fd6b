#include <gtest/gtest.h>

#include <string>

#include "fakes/fake_messages.h"
#include "forms/appear_form.h"
#include "forms/hot_key_check.h"
#include "forms/preference_form.h"
#include "forms/quillet_options_form.h"
#include "forms/repeat_prompt_form.h"
#include "store/settings.h"

namespace tavrin {
namespace {

TEST(PreferenceForm, OpensOnTheStoredVisibilityAndCloseButton) {
    Settings s;
    EXPECT_EQ(PreferenceForm(s).Choice, Visibility::Taskbar);
    EXPECT_FALSE(PreferenceForm(s).CloseButtonHides);
    s.UseTray = true;
    s.UseClose = true;
    EXPECT_EQ(PreferenceForm(s).Choice, Visibility::SystemTray);
    EXPECT_TRUE(PreferenceForm(s).CloseButtonHides);
    s.UseHide = true;
    EXPECT_EQ(PreferenceForm(s).Choice, Visibility::CompletelyHide);
}

TEST(PreferenceForm, OkStoresTheChoiceAndSaysWhatTheMainWindowShows) {
    Settings s;
    s.UseTray = true;
    PreferenceForm form(s);
    form.Choice = Visibility::CompletelyHide;
    form.CloseButtonHides = true;
    PreferenceOutcome outcome = form.OkButtonClick(s);
    EXPECT_TRUE(s.UseHide);
    EXPECT_FALSE(s.UseTray);
    EXPECT_TRUE(s.UseClose);
    EXPECT_FALSE(outcome.TrayIconActive);
    EXPECT_TRUE(outcome.HideMenuEnabled);

    form.Choice = Visibility::SystemTray;
    outcome = form.OkButtonClick(s);
    EXPECT_TRUE(s.UseTray);
    EXPECT_TRUE(outcome.TrayIconActive);
    EXPECT_TRUE(outcome.HideMenuEnabled);

    form.Choice = Visibility::Taskbar;
    form.CloseButtonHides = false;
    outcome = form.OkButtonClick(s);
    EXPECT_FALSE(s.UseTray || s.UseHide || s.UseClose);
    EXPECT_FALSE(outcome.TrayIconActive || outcome.HideMenuEnabled);
}

TEST(AppearForm, RefusesAWidthThatIsNotAWholeNumberAboveZero) {
    Settings s;
    AppearForm form(s);
    EXPECT_EQ(form.ColumnWidths[0], "155");
    EXPECT_EQ(form.ColumnWidths[2], "138");
    form.UseSpeed = false;
    form.GridFont.Name = "Verdana";

    const struct {
        std::string widths[3];
        int focus;
    } refused[] = {
        {{"100", "0", "100"}, 1},  {{"abc", "100", "0"}, 0}, {{"100", "100", ""}, 2},
        {{"-5", "100", "100"}, 0}, {{"100", "+5", "100"}, 1}, {{"100", "100", "1.5"}, 2},
        {{" 12", "100", "100"}, 0},
    };
    for (const auto& c : refused) {
        for (int i = 0; i < 3; ++i) form.ColumnWidths[i] = c.widths[i];
        const AppearCheck check = form.OkButtonClick(s);
        EXPECT_FALSE(check.Ok);
        EXPECT_EQ(check.Title, "Error");
        EXPECT_EQ(check.Message, "Invalid width specified.");
        EXPECT_EQ(check.FocusField, c.focus);
    }
    EXPECT_EQ(s.ColWidth, (std::array<int32_t, 3>{155, 239, 138}));
    EXPECT_TRUE(s.UseSpeed);
    EXPECT_EQ(s.GridFont.Name, "Arial");

    form.ColumnWidths = {"80", "1", "9999"};
    form.ShowIcons = false;
    form.GridTitleFont.Size = 16;
    EXPECT_TRUE(form.OkButtonClick(s).Ok);
    EXPECT_EQ(s.ColWidth, (std::array<int32_t, 3>{80, 1, 9999}));
    EXPECT_FALSE(s.UseSpeed);
    EXPECT_FALSE(s.ShowIcons);
    EXPECT_EQ(s.GridFont.Name, "Verdana");
    EXPECT_EQ(s.GridTitleFont.Size, 16);
}

TEST(AppearForm, GridFontKeepsOnlyBoldOfTheChosenStyle) {
    AppearForm form{Settings{}};
    form.ChooseGridFont({0, "Georgia", 11, false, true, true, true});
    EXPECT_EQ(form.GridFont.Name, "Georgia");
    EXPECT_EQ(form.GridFont.Size, 11);
    EXPECT_FALSE(form.GridFont.Bold || form.GridFont.Italic || form.GridFont.Underline ||
                 form.GridFont.Strikeout);
    form.ChooseGridFont({0, "Georgia", 11, true, true, false, false});
    EXPECT_TRUE(form.GridFont.Bold);
    EXPECT_FALSE(form.GridFont.Italic);
}

TEST(HotKeyCheck, OnlyReservedKeysAskAndNoRefuses) {
    FakeMessages messages;
    EXPECT_TRUE(ConfirmHotKeyChoice(messages, 157));
    EXPECT_TRUE(messages.shown.empty());
    messages.answer = false;
    EXPECT_FALSE(ConfirmHotKeyChoice(messages, 571));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              "Warning? Win+R may be used internally by Windows 95, 98 or NT.  This may cause "
              "the hot key not to function correctly. Would you still like to use Win+R?");
}

TEST(QuilletOptionsForm, ShowsSuffixInvertedAndChecksThePrefix) {
    Settings s;
    s.UseSuffix = true;
    QuilletOptionsForm form(s);
    EXPECT_FALSE(form.UsePrefixKeys);
    form.UsePrefixKeys = true;
    form.PrefixKeys = " ;:";
    EXPECT_EQ(form.PrefixKeysError().substr(0, 45), "The Prefix Keys has invalid characters in it.");
    form.PrefixKeys = "'";
    EXPECT_EQ(form.PrefixKeysError(), "") << "the message lists ' as valid";
    form.PrefixKeys = " ;; ";
    EXPECT_EQ(form.PrefixKeysError(), "");
    form.OkButtonClick(s);
    EXPECT_FALSE(s.UseSuffix);
    EXPECT_EQ(s.PrefixKeys, ";;");
}

TEST(RepeatPrompt, TakesOnlyAWholeNumberFromOne) {
    for (const char* text : {"-1", "0", "0000", "", "   ", "abc", "1.5", "+3", "2x", "1 2"}) {
        const RepeatCheck check = CheckRepeatCount(text);
        EXPECT_FALSE(check.Ok) << text;
        EXPECT_EQ(check.Title, "Error");
        EXPECT_EQ(check.Message, "Invalid numeric value entered.  Please Correct");
    }
    EXPECT_TRUE(CheckRepeatCount("1").Ok);
    EXPECT_EQ(CheckRepeatCount(" 3 ").Count, 3) << "the text is trimmed";
    EXPECT_EQ(CheckRepeatCount("0012").Count, 12);
    EXPECT_EQ(CheckRepeatCount("9999").Count, 9999);
}

}  // namespace
}  // namespace tavrin
