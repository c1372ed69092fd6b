#pragma once
// "Enter Keystrokes", the editor of the Text command: a memo of at most
// 5000 characters, key buttons and a list of further keys that insert key
// tags, and "&Update", which turns tabs into "<TAB>" and returns the text.
#include <cstddef>
#include <string>
#include <vector>

#include "language/tag_kind.h"

namespace tavrin {

constexpr size_t kKeystrokesLimit = 5000;

struct KeystrokeKey {
    const char* Caption;
    TagKind Kind;
    int Index = 0;  // for the families of keys (F1 ... F24, keypad digits)
};

// The key buttons in the order they stand: "S&hift" ... "&Right Arrow",
// "F1" ... "F12".
const std::vector<KeystrokeKey>& KeystrokeButtons();
// The 42 keys of the "Miscellaneous" list.
const std::vector<KeystrokeKey>& MiscellaneousKeys();
std::string KeyTagOf(const KeystrokeKey& key);

// The message refusing to insert insertLength characters into a text of
// currentLength, which would then pass the limit; empty when it fits.
std::string InsertionRefusal(size_t currentLength, size_t insertLength);

struct KeystrokesUpdate {
    std::string Text;     // the memo with each tab written "<TAB>", cut to the limit
    std::string Warning;  // shown in a box titled "Error" when the text was cut
};

KeystrokesUpdate UpdateKeystrokes(const std::string& memo);

}  // namespace tavrin
