#pragma once
// The macro records the tests add and the macro files they load.
#include <cstdint>
#include <string>
#include <vector>

#include "store/macro_record.h"

namespace tavrin {

// A macro whose text is its nickname, with the MAIN icon.
inline MacroRecord MakeMacro(const std::string& nickname, uint16_t hotKey = 0,
                             int16_t scope = kScopeGlobal, const std::string& scopeName = "") {
    MacroRecord r;
    r.Nickname = nickname;
    r.HotKey = hotKey;
    r.Scope = scope;
    r.ScopeName = scopeName;
    r.MacroText = nickname;
    r.IconFile = "MAIN";
    return r;
}

// The bytes of a macro file holding these records in order.
inline std::vector<uint8_t> MacroFileOf(const std::vector<MacroRecord>& records) {
    std::vector<uint8_t> bytes(records.size() * kMacroRecordSize);
    for (size_t k = 0; k < records.size(); ++k)
        EncodeMacroRecord(records[k], &bytes[k * kMacroRecordSize]);
    return bytes;
}

}  // namespace tavrin
