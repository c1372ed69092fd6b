#include "store/hot_key_codes.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace tavrin {
namespace {

TEST(HotKeyCodes, NamesAtBlockBoundaries) {
    const std::map<uint16_t, std::string> expected = {
        {0, "Ctrl+A"}, {47, "Ctrl+F12"}, {96, "Ctrl+Shift+A"}, {144, "Ctrl+Alt+A"},
        {192, "Alt+Shift+A"}, {262, "Ctrl+Alt+Shift+W"}, {263, "Ctrl+Alt+Shift+X"},
        {264, "Ctrl+Alt+Shift+Y"}, {265, "Ctrl+Alt+Shift+Z"}, {288, "F1"}, {312, "Ctrl+Enter"},
        {345, "Ctrl+Delete"}, {364, "Ctrl+."}, {430, "KeyPad /"}, {431, "Ctrl+Keypad /"},
        {433, "Shift+KeyPad /"}, {462, "Insert"}, {514, "KeyPad 0"}, {553, "Ctrl+Alt+Keypad 9"},
        {698, "ESC"}, {699, "LMouse"}, {719, "Shift+Alt+MMouse"}, {720, "Win+Space"}};
    for (const auto& [code, name] : expected) EXPECT_EQ(HotKeyName(code), name) << code;
    EXPECT_EQ(HotKeyName(721), "");
    EXPECT_EQ(HotKeyName(30000), "");
}

TEST(HotKeyCodes, OnlyThreeNamesAreCutToTheSlotWidth) {
    EXPECT_EQ(HotKeyName(492), "Ctrl+Alt+Shift+Left Arro");
    EXPECT_EQ(HotKeyName(499), "Ctrl+Alt+Shift+Right Arr");
    EXPECT_EQ(HotKeyName(513), "Ctrl+Alt+Shift+Down Arro");
    // A cut name fills the whole slot; besides the three above only two names
    // are exactly that long without being cut.
    std::set<uint16_t> full;
    for (uint16_t code = 0; code < kHotKeyCodes; ++code) {
        ASSERT_FALSE(HotKeyName(code).empty()) << code;
        if (HotKeyName(code).size() >= kHotKeyNameWidth) full.insert(code);
    }
    EXPECT_EQ(full, (std::set<uint16_t>{330, 485, 492, 499, 513}));
    EXPECT_EQ(HotKeyName(330), "Ctrl+Alt+Shift+Backspace");
    EXPECT_EQ(HotKeyName(485), "Ctrl+Alt+Shift+Page Down");
}

TEST(HotKeyCodes, ReservedCodesAndTheirWarning) {
    const std::map<uint16_t, std::string> reserved = {
        {89, "Alt+F6"}, {185, "Ctrl+Alt+F6"}, {233, "Alt+Shift+F6"}, {590, "Win+F1"},
        {557, "Win+D"}, {558, "Win+E"},       {559, "Win+F"},        {566, "Win+M"},
        {571, "Win+R"}, {607, "Win+Ctrl+F"}};
    int count = 0;
    for (uint16_t code = 0; code < kHotKeyCodes; ++code) count += IsReservedHotKey(code);
    EXPECT_EQ(count, 10);
    for (const auto& [code, name] : reserved) {
        EXPECT_TRUE(IsReservedHotKey(code)) << code;
        EXPECT_EQ(HotKeyName(code), name);
    }
    EXPECT_EQ(ReservedHotKeyWarning("Win+R"),
              "Win+R may be used internally by Windows 95, 98 or NT.  This may cause the hot "
              "key not to function correctly. Would you still like to use Win+R?");
    EXPECT_STREQ(kReservedHotKeyTitle, "Warning");
}

TEST(HotKeyCodes, Decoding) {
    auto is = [](uint16_t code, uint16_t vk, uint16_t button, bool ctrl, bool alt, bool shift,
                 bool win) {
        DecodedHotKey d = DecipherKey(code);
        return d.VirtualKey == vk && d.MouseButton == button && d.Ctrl == ctrl && d.Alt == alt &&
               d.Shift == shift && d.Win == win;
    };
    EXPECT_TRUE(is(472, 33, 0, true, false, false, false));   // Ctrl+Page Up
    EXPECT_TRUE(is(720, 32, 0, false, false, false, true));   // Win+Space
    EXPECT_TRUE(is(699, 0, 1, false, false, false, false));   // LMouse
    EXPECT_TRUE(is(712, 0, 2, false, true, true, false));     // Shift+Alt+RMouse
    EXPECT_TRUE(is(440, 106, 0, false, true, false, false));  // Alt+Keypad *
    EXPECT_TRUE(is(429, 192, 0, true, true, true, false));    // Ctrl+Alt+Shift+`
    EXPECT_TRUE(is(698, 27, 0, false, false, false, false));  // ESC
    EXPECT_TRUE(is(10000, 0, 0, false, false, false, false));
}

TEST(HotKeyCodes, CodeForCombinationInvertsDecoding) {
    for (uint16_t code = 0; code < kHotKeyCodes; ++code) {
        DecodedHotKey d = DecipherKey(code);
        int found = HotKeyCodeFor(d.VirtualKey, d.MouseButton, d.Ctrl, d.Alt, d.Shift, d.Win);
        EXPECT_EQ(found, code) << HotKeyName(code) << " collides with " << HotKeyName(found);
    }
    EXPECT_EQ(HotKeyCodeFor(13, 0, false, false, false, false), -1);  // plain Enter
    EXPECT_EQ(HotKeyCodeFor(65, 0, false, false, true, true), -1);    // Win+Shift+A
    EXPECT_EQ(HotKeyCodeFor(65, 1, false, false, false, false), -1);  // key and button at once
    EXPECT_EQ(HotKeyCodeFor(300, 0, false, false, false, false), -1);
}

}  // namespace
}  // namespace tavrin
