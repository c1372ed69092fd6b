#include "forms/enter_keystrokes_form.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "language/tag_recogniser.h"

namespace tavrin {
namespace {

TEST(EnterKeystrokesFormTest, EveryKeyInsertsATagThatReadsBackAsThatKey) {
    ASSERT_EQ(KeystrokeButtons().size(), 30u);
    ASSERT_EQ(MiscellaneousKeys().size(), 42u);
    struct Case {
        const KeystrokeKey& key;
        const char* caption;
        const char* tag;
    };
    const Case cases[] = {
        {KeystrokeButtons()[0], "S&hift", "<SHIFT>"},
        {KeystrokeButtons()[8], "Page Do&wn", "<PAGE DOWN>"},
        {KeystrokeButtons()[17], "&Right Arrow", "<RIGHT ARROW>"},
        {KeystrokeButtons()[18], "F1", "<F1>"},
        {KeystrokeButtons()[29], "F12", "<F12>"},
        {MiscellaneousKeys()[0], "Left Window", "<LEFTWIN>"},
        {MiscellaneousKeys()[3], "F13", "<F13>"},
        {MiscellaneousKeys()[14], "F24", "<F24>"},
        {MiscellaneousKeys()[18], "Erase EOF", "<EREOF>"},
        {MiscellaneousKeys()[22], "Keypad 0", "<KEYP0>"},
        {MiscellaneousKeys()[31], "Keypad 9", "<KEYP9>"},
        {MiscellaneousKeys()[32], "Keypad .", "<KEYP.>"},
        {MiscellaneousKeys()[37], "Print Screen", "<PRTSCR>"},
        {MiscellaneousKeys()[39], "Pause", "<PAUSEKEY>"},
        {MiscellaneousKeys()[41], "Num Lock", "<NUMLOCK>"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(c.key.Caption, c.caption);
        EXPECT_EQ(KeyTagOf(c.key), c.tag) << c.caption;
    }
    std::set<std::string> tags;
    for (const auto* keys : {&KeystrokeButtons(), &MiscellaneousKeys()}) {
        for (const KeystrokeKey& key : *keys) {
            const std::string tag = KeyTagOf(key);
            const TagMatch match = Recognise(tag, 0);
            EXPECT_EQ(match.Kind, key.Kind) << key.Caption;
            EXPECT_EQ(match.Length, tag.size()) << key.Caption;
            tags.insert(tag);
        }
    }
    EXPECT_EQ(tags.size(), 72u) << "no two keys insert the same tag";
}

TEST(EnterKeystrokesFormTest, AnInsertionMustKeepTheTextWithin5000Characters) {
    EXPECT_EQ(InsertionRefusal(0, 5000), "");
    EXPECT_EQ(InsertionRefusal(4993, 7), "");
    EXPECT_EQ(InsertionRefusal(4994, 7), "Text exceeds maximum length.  Text not added.");
    EXPECT_EQ(InsertionRefusal(5000, 1), "Text exceeds maximum length.  Text not added.");
}

TEST(EnterKeystrokesFormTest, UpdateWritesTabsAsTagsAndCutsTo5000Characters) {
    const std::string cut =
        "The size of the macro exceeds the 5,000 character limit.  The macro will be truncated "
        "to 5,000 characters.";
    struct Case {
        std::string memo;
        std::string text;
        std::string warning;
    };
    const Case cases[] = {
        {"", "", ""},
        {"Dear\tSir\r\n\t", "Dear<TAB>Sir\r\n<TAB>", ""},
        {std::string(5000, 'a'), std::string(5000, 'a'), ""},
        {std::string(5001, 'a'), std::string(5000, 'a'), cut},
        {std::string(4996, 'a') + "\t", std::string(4996, 'a') + "<TAB", cut},
    };
    for (const Case& c : cases) {
        const KeystrokesUpdate update = UpdateKeystrokes(c.memo);
        EXPECT_EQ(update.Text, c.text) << c.memo.size();
        EXPECT_EQ(update.Warning, c.warning) << c.memo.size();
    }
}

}  // namespace
}  // namespace tavrin
