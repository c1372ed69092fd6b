#include "forms/cap_complete_form.h"

#include "forms/hot_key_check.h"
#include "language/ansi_text.h"

namespace tavrin {
namespace {

constexpr size_t kMaxNickname = 50;
constexpr size_t kMaxQuillet = 10;
constexpr size_t kMaxScopeName = 30;

}  // namespace

std::string HotKeyUsageNote(const MacroTable& t, uint16_t code) {
    int count = 0;
    for (int n = 1; n <= t.MacroCount(); ++n)
        if (t.HotKeyOf(static_cast<size_t>(n)) == code) ++count;
    if (count == 0) return "  (Not in Use)";
    if (count == 1) return "  (1 macro in use)";
    return "  (" + std::to_string(count) + " macros in use)";
}

CapCompleteForm::Failure CapCompleteForm::Check(const MacroTable& t,
                                                UserMessages& messages) const {
    switch (Type) {
    case Kind::HotKey: {
        if (HotKey < 0 || HotKey >= static_cast<int>(kHotKeyCodes))
            return {"No hot key selected.  Please select one.", kHotKeyList};
        const auto code = static_cast<uint16_t>(HotKey);
        if (Global) {
            for (int n = 1; n <= t.MacroCount(); ++n) {
                const int16_t scope = t.ScopeOf(static_cast<size_t>(n));
                if (t.HotKeyOf(static_cast<size_t>(n)) == code &&
                    (scope == kScopeGlobal || scope == kScopePopupMenu || scope == kScopeSystem))
                    return {"A Global Hot Key is already in use for the selected hot key.  Please "
                            "select a different one or choose the Program specific option.",
                            kHotKeyList};
            }
        }
        if (!ConfirmHotKeyChoice(messages, code)) return {"", kHotKeyList};
        break;
    }
    case Kind::Quillet:
        if (Trim(Quillet).empty()) return {"No Quillet name entered.", kQuilletName};
        break;
    case Kind::None:
        break;
    }
    return {};
}

void CapCompleteForm::Apply(MacroRecord& r, const std::string& program) const {
    switch (Type) {
    case Kind::HotKey: r.HotKey = static_cast<uint16_t>(HotKey); break;
    case Kind::Quillet:
        r.QuilletName = Trim(Quillet).substr(0, kMaxQuillet);
        r.HotKey = kHotKeyQuillet;
        break;
    case Kind::None: r.HotKey = kHotKeyNone; break;
    }
    r.Nickname = Trim(Nickname).substr(0, kMaxNickname);
    if (!Global) {
        r.Scope = kScopeProgram;
        r.ScopeName = program.substr(0, kMaxScopeName);
        r.TopMostOnly = 1;
    }
}

}  // namespace tavrin
