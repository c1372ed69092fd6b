#pragma once
// The "Capture Complete" dialog's model: the name and trigger a quick
// capture's macro gets once it is recorded, with the hot key list and its
// usage notes.
#include <cstdint>
#include <string>

#include "base/macro_table.h"
#include "platform/user_messages.h"
#include "store/macro_record.h"

namespace tavrin {

// How many macros use a hot key code: "  (Not in Use)", "  (1 macro in
// use)", "  (n macros in use)".
std::string HotKeyUsageNote(const MacroTable& t, uint16_t code);

struct CapCompleteForm {
    enum class Kind { HotKey, Quillet, None };

    explicit CapCompleteForm(bool global) : Global(global) {}

    std::string Nickname;
    Kind Type = Kind::HotKey;
    bool Global;
    int HotKey = -1;  // the code chosen in the list, -1 for none
    std::string Quillet;

    // Fields a failed check sends the focus to.
    enum Field { kNone, kHotKeyList, kQuilletName };
    struct Failure {
        std::string message;  // empty: the check passed
        Field field = kNone;
    };
    // "&Ok": the first failed check, or none. A reserved hot key is asked
    // about; No is a failure without a message (the dialog stays open).
    Failure Check(const MacroTable& t, UserMessages& messages) const;
    // After a passed check: the record's trigger, nickname and scope;
    // program is the one in front when the capture ended.
    void Apply(MacroRecord& record, const std::string& program) const;
};

}  // namespace tavrin
