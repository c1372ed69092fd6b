#include "forms/capture_keys_form.h"

#include "store/hot_key_codes.h"

namespace tavrin {

std::string CaptureTriggerText(const MacroRecord& r) {
    if (r.HotKey == kHotKeyQuillet) return "Quillet: " + r.QuilletName;
    return HotKeyName(r.HotKey);
}

std::string CaptureStopText(uint16_t stopCode) {
    return "Press " + HotKeyName(stopCode) + " to end capture";
}

std::string CaptureOwnStopText(const MacroRecord& r) {
    if (r.HotKey >= kHotKeyCodes) return "";
    return "Or Press " + HotKeyName(r.HotKey) + " to end capture";
}

bool CaptureGlobalAllowed(const MacroTable& t, int n, const MacroRecord& r) {
    if (r.Scope == kScopeGlobal || r.HotKey >= kHotKeyCodes) return true;
    for (int m = 1; m <= t.MacroCount(); ++m)
        if (m != n && t.ScopeOf(static_cast<size_t>(m)) == kScopeGlobal &&
            t.HotKeyOf(static_cast<size_t>(m)) == r.HotKey)
            return false;
    return true;
}

}  // namespace tavrin
