#pragma once
// "Keys Up Or Down": holds a modifier key down or lets it go: Ctrl, Alt,
// Shift or the Windows key, down or up.
#include "forms/command_fields.h"
#include "language/tag_recogniser.h"

namespace tavrin {

constexpr int kKeysUpDownKinds = 8;  // Ctrl down, Ctrl up, Alt down, ... Win up

struct KeysUpDownValues {
    int Kind = 0;  // 1 to kKeysUpDownKinds
};

struct KeysUpDownFields {
    int Kind = 0;  // the choice checked; 0 for none
};

KeysUpDownFields NewKeysUpDownFields();
KeysUpDownFields KeysUpDownFieldsOf(const KeysUpDownValues& values);
KeysUpDownValues KeysUpDownValuesOf(const TagMatch& match);

// No check: the tag of the choice, or an empty text with no choice.
CommandAnswer<KeysUpDownValues> AcceptKeysUpDown(const KeysUpDownFields& fields);

}  // namespace tavrin
