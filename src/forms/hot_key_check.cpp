#include "forms/hot_key_check.h"

#include "store/hot_key_codes.h"

namespace tavrin {

bool ConfirmHotKeyChoice(UserMessages& messages, uint16_t code) {
    if (!IsReservedHotKey(code)) return true;
    return messages.AskYesNo(kReservedHotKeyTitle, ReservedHotKeyWarning(HotKeyName(code)));
}

}  // namespace tavrin
