#include "forms/quick_info_form.h"

#include <cmath>

#include "store/hot_key_codes.h"
#include "triggers/schedule.h"

namespace tavrin {

namespace {

std::string ScopeInfo(const MacroRecord& r) {
    switch (r.Scope) {
        case kScopeGlobal: return "GLOBAL";
        case kScopePopupMenu: return "Popup Menu";
        case kScopeSystem: return "SYSTEM";
        case kScopeWindow:
        case kScopeProgram:
            return r.ScopeName + (r.Scope == kScopeWindow ? " \"Window\"" : " \"Program\"") +
                   (r.TopMostOnly == 1 ? " (Top Most Only)" : " (If Running)");
        default: return "";
    }
}

}  // namespace

QuickInfo QuickInfoOf(const MacroRecord& r, const std::string& shortDate) {
    QuickInfo info;
    info.lastModified = "Last Modified On " + shortDate;
    switch (r.HotKey) {
        case kHotKeyNone: info.activationLabel = "None"; break;
        case kHotKeyWindowTitle:
            info.activationLabel = "Window Title:";
            info.activationValue = r.ScopeName;
            break;
        case kHotKeyTimed:
            info.activationLabel = "Timed Macro:";
            info.activationValue = GetSched(r);
            break;
        case kHotKeyQuillet:
            info.activationLabel = "Quillet:";
            info.activationValue = r.QuilletName;
            break;
        default:
            info.activationLabel = "Hot Key:";
            info.activationValue = HotKeyName(r.HotKey);
    }
    info.nickname = r.Nickname;
    info.scope = ScopeInfo(r);
    info.active = r.Active ? "Yes" : "No";
    info.showMacroText = r.Scope != kScopePopupMenu && r.Scope != kScopeSystem;
    info.macroTextLabel = info.showMacroText ? "Macro Text:" : "";
    return info;
}

LocalDateTime DateOfDayNumber(double dayNumber) {
    if (!std::isfinite(dayNumber) || dayNumber < 0 || dayNumber > 2958465) dayNumber = 0;
    return FromLocalMilliseconds(std::llround(dayNumber * kMillisecondsPerDay));
}

}  // namespace tavrin
