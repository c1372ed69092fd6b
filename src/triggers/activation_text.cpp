#include "triggers/activation_text.h"

#include "store/hot_key_codes.h"

namespace tavrin {

std::string ActivationText(const MacroStore& store, int n) {
    switch (store.Table().HotKeyOf(n)) {
        case kHotKeyTimed: return "Timed Macro";
        case kHotKeyQuillet: return store.QuilletOf(n);
        case kHotKeyNone: return "None";
        case kHotKeyWindowTitle: return "Window Title";
        default: return HotKeyName(store.Table().HotKeyOf(n));
    }
}

std::string ScopeText(const MacroStore& store, int n) {
    switch (store.Table().ScopeOf(n)) {
        case kScopeGlobal: return "GLOBAL";
        case kScopeWindow: return "Window: " + store.Table().ScopeNameOf(n);
        case kScopeProgram: return "Program: " + store.Table().ScopeNameOf(n);
        case kScopePopupMenu: return "Popup Menu";
        case kScopeSystem: return "SYSTEM";
        default: return "";
    }
}

}  // namespace tavrin
