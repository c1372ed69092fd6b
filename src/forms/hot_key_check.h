#pragma once
#include <cstdint>

#include "platform/user_messages.h"

namespace tavrin {

// Every dialog that gives a macro a hot key checks it here: a key that
// Windows may use itself is kept only when the user says so.
bool ConfirmHotKeyChoice(UserMessages& messages, uint16_t code);

}  // namespace tavrin
