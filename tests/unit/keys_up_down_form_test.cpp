#include <gtest/gtest.h>

#include "forms/keys_up_down_form.h"

namespace tavrin {
namespace {

TEST(KeysUpDownFormTest, EachChoiceGivesItsTagAndReadsBackFromIt) {
    const char* tags[kKeysUpDownKinds] = {"<CTLD>", "<CTLU>", "<ALTD>", "<ALTU>",
                                          "<SHFD>", "<SHFU>", "<WIND>", "<WINU>"};
    for (int kind = 1; kind <= kKeysUpDownKinds; ++kind) {
        KeysUpDownFields fields;
        fields.Kind = kind;
        const auto answer = AcceptKeysUpDown(fields);
        EXPECT_TRUE(answer.Ok());
        EXPECT_EQ(answer.Text, tags[kind - 1]);
        EXPECT_EQ(answer.Entered.Kind, kind);
        const auto edit = KeysUpDownFieldsOf(KeysUpDownValuesOf(Recognise(tags[kind - 1], 0)));
        EXPECT_EQ(AcceptKeysUpDown(edit).Text, tags[kind - 1]);
    }
}

TEST(KeysUpDownFormTest, ANewCommandHasNoChoiceAndGivesNothing) {
    const auto answer = AcceptKeysUpDown(NewKeysUpDownFields());
    EXPECT_TRUE(answer.Ok());
    EXPECT_EQ(answer.Text, "");
    EXPECT_EQ(answer.Entered.Kind, 0);
}

}  // namespace
}  // namespace tavrin
