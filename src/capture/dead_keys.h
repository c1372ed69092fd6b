#pragma once
// Dead keys: the accent a dead key stands for, so the character it composes
// with the next key can be worked out.
#include <cstdint>

namespace tavrin {

// The combining accent (U+0300 ...) of a dead key's own character, as the
// keyboard layout gives it ("^", "`", "~", the acute and the diaeresis
// marks, and their ASCII stand-ins of the international layouts); 0 for a
// character that is no accent.
uint16_t CombiningAccentOf(uint16_t deadCharacter);

}  // namespace tavrin
