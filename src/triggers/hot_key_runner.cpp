#include "triggers/hot_key_runner.h"

#include "language/ansi_text.h"
#include "platform/hook_protocol.h"
#include "platform/virtual_keys.h"
#include "triggers/macro_menu.h"
#include "triggers/scope_match.h"

namespace tavrin {

namespace {

constexpr const char* kWarning = "Warning";

constexpr const char* kPausedRefusal =
    "A current playback macro is in the middle of a PAUSE. Another macro cannot be executed "
    "until the PAUSE is either cancelled or resumed.";

}  // namespace

HotKeyRunner::HotKeyRunner(MacroStore& store, HookLibrary& hooks, Player& player, Input& input,
                           Desktop& desktop, PlaybackUi& ui, HotKeyHost& host)
    : store_(store),
      hooks_(hooks),
      player_(player),
      input_(input),
      desktop_(desktop),
      ui_(ui),
      host_(host) {}

bool HotKeyRunner::RefuseMenuOrCapture() {
    if (menuOpen_) {
        ui_.ShowNotice(kWarning,
                       "A current Popup Menu macro is being displayed. Another macro cannot be "
                       "executed until either a choice is made from the Popup Menu or it is "
                       "cancelled.");
        return true;
    }
    if (store_.Table().Byte(table::CaptureOn)) {
        ui_.ShowNotice(kWarning, kRecordingRefusal);
        return true;
    }
    return false;
}

bool HotKeyRunner::RefuseWhileBusy() {
    if (RefuseMenuOrCapture()) return true;
    if (pauseOpen_) ui_.ShowNotice(kWarning, kPausedRefusal);
    return pauseOpen_;
}

void HotKeyRunner::OnHotKey(uint32_t wParam, WindowId front) {
    MacroTable& t = store_.Table();
    if (RefuseMenuOrCapture()) return;
    if (wParam & kTrayMenuBit) {
        // A popup menu's own tray icon: the rest is a macro number.
        RunMacro(static_cast<int>(wParam & 0xAFFF));
        return;
    }
    menuX_ = -1;
    const bool capsLock = (wParam & kCapsLockBit) != 0;
    const uint16_t code = static_cast<uint16_t>(wParam & ~kCapsLockBit);
    if (pauseOpen_) {
        const int resume = SystemMacro(code);
        // The paused macro's own key resumes it; it is compared without
        // resolving scopes, which would bring windows forward and move the
        // paused macro's target.
        if ((resume != 0 && t.ScopeNameOf(resume).substr(0, 1) == "3") ||
            (current_ != 0 && t.HotKeyOf(current_) == code)) {
            host_.ResumePause(capsLock);
        } else {
            ui_.ShowNotice(kWarning, kPausedRefusal);
        }
        return;
    }
    // A macro plays: the key is dropped before anything else happens, so
    // the playing macro's target and flags stay as they are.
    if (player_.Running()) return;
    if (!t.Byte(table::InUse)) player_.SetCapsLockFlag(capsLock);
    player_.Windows().SetTarget(front);
    if (host_.ReloadChangedSharedFile()) return;
    if (int system = SystemMacro(code)) {
        switch (t.ScopeNameOf(system).substr(0, 1)[0]) {
            case '1': host_.ActivateMe(); break;
            case '2': host_.StartCapture(); break;
            case '4': host_.MenuTopWindow(); break;
        }
        return;
    }
    RunMacro(GetMacro(code));
}

int HotKeyRunner::SystemMacro(uint16_t code) const {
    const MacroTable& t = store_.Table();
    for (int n = 1; n <= t.MacroCount(); ++n) {
        if (t.ScopeOf(n) == kScopeSystem && t.HotKeyOf(n) == code &&
            !t.ScopeNameOf(n).empty())
            return n;
    }
    return 0;
}

int HotKeyRunner::GetMacro(uint16_t code) {
    const MacroTable& t = store_.Table();
    const int count = t.MacroCount();
    // The window in front first, unless it is the pause dialog.
    if (WindowId front = desktop_.Foreground()) {
        std::vector<int> candidates;
        for (int n = 1; n <= count; ++n)
            if (t.ActiveOf(n) && t.HotKeyOf(n) == code) candidates.push_back(n);
        const ScopeTarget target = ScopeTargetOf(desktop_, front, t, candidates);
        if (!Contains(target.title, "PAUSE (")) {
            for (int n : candidates) {
                if (InWindowScope(t, n, target) || InProgramScope(t, n, target)) {
                    player_.Windows().SetTarget(front);
                    return n;
                }
            }
        }
    }
    int global = 0;
    for (int n = 1; n <= count; ++n) {
        if (!t.ActiveOf(n) || t.HotKeyOf(n) != code) continue;
        const int16_t scope = t.ScopeOf(n);
        if (scope == kScopeGlobal || scope == kScopePopupMenu || scope == kScopeSystem) {
            global = n;  // the last one wins
        } else if (t.TopMostOf(n) == 0 && scope == kScopeWindow) {
            if (player_.Windows().ActivateIt(t.ScopeNameOf(n))) return n;
        } else if (t.TopMostOf(n) == 0 && scope == kScopeProgram) {
            const std::string name = UpperCase(t.ScopeNameOf(n));
            for (int j = 1; j <= t.ProgCount() && j <= static_cast<int>(kMaxProgNames); ++j) {
                // Wins only when its program comes to the front: otherwise
                // it would type into whatever window is there.
                if (Contains(t.ProgName(j), name)) {
                    if (player_.Windows().ActivateProg(name)) return n;
                    break;
                }
            }
        }
    }
    return global;
}

void HotKeyRunner::SetInUse(bool on) {
    store_.Table().SetByte(table::InUse, on ? 1 : 0);
    hooks_.ZynUpInUse(store_.Table());
}

void HotKeyRunner::RunMacro(int n, int erase) { RunMacroAt(n, erase, 0); }

void HotKeyRunner::RunMenu(const MacroRecord& menu) {
    const int chosen = ShowMenu(menu);
    RunMacroAt(chosen, 0, 1);
}

int HotKeyRunner::ShowMenu(const MacroRecord& menu) {
    if (menuWindow_ == nullptr) return -1;
    MenuRequest request;
    request.nickname = menu.Nickname;
    request.style = MenuStyleOf(menu.MenuShow());
    request.iconPixels = MenuIconPixels(menu.MenuIconSize());
    request.rows = MenuRows(store_, MenuMembers(menu, store_.Table()), request.style);
    request.rememberedX = menuX_;
    const WindowId target = player_.Windows().Target();
    menuOpen_ = true;
    const int chosen = menuWindow_->ChooseMacro(request);
    menuOpen_ = false;
    if (target != 0) desktop_.Activate(target);
    return chosen;
}

void HotKeyRunner::RunMacroAt(int n, int erase, int depth) {
    MacroRecord record;
    for (;; ++depth) {
        if (n <= 0 || player_.Running()) return;
        current_ = n;
        if (!store_.ReadMacro(n, record)) return;
        if (record.Scope != kScopePopupMenu) break;
        if (depth >= kMaxMenuDepth) {
            ui_.ShowNotice(kWarning, kMenuTooDeep);
            return;
        }
        // A Quillet's abbreviation goes before its menu is shown, chosen
        // from or not.
        Erase(erase);
        erase = 0;
        n = ShowMenu(record);
    }
    SetInUse(true);
    Erase(erase);
    player_.PlayTopLevel(record.MacroText);
    input_.Key(kEndMarkerKey, false);
    input_.Key(kEndMarkerKey, true);
    host_.StartClearTimer();
}

void HotKeyRunner::Erase(int characters) {
    for (int i = 0; i < characters; ++i) {
        input_.Key(vk::kBackspace, false);
        input_.Key(vk::kBackspace, true);
    }
    if (characters > 0) player_.PauseForNoSpeed(0.1);
}

void HotKeyRunner::OnInUseCleared() { store_.Table().SetByte(table::InUse, 0); }

void HotKeyRunner::ClearTimerTimer() { SetInUse(false); }

bool HotKeyRunner::MayActivateMe() {
    const char* refusal = nullptr;
    if (pauseOpen_) {
        refusal = "A current playback macro is in the middle of a PAUSE. Tavrin 99 cannot be "
                  "invoked until the PAUSE is either cancelled or resumed.";
    } else if (menuOpen_) {
        refusal = "A Tavrin 99 Popup Menu is currently being displayed. Tavrin 99 cannot be "
                  "invoked until this menu has been cleared.";
    } else if (store_.Table().Byte(table::CaptureOn)) {
        refusal = "A macro is currently being recorded. Tavrin 99 cannot be invoked until the "
                  "recording is completed.";
    }
    if (refusal) ui_.ShowNotice(kWarning, refusal);
    return refusal == nullptr;
}

std::vector<int> HotKeyRunner::TopWindowMembers(const std::string& title,
                                                const std::string& program) const {
    const MacroTable& t = store_.Table();
    const ScopeTarget target = MakeScopeTarget(title, program);
    std::vector<int> members;
    for (int n = 1; n <= t.MacroCount() && members.size() < kMaxMenuMembers; ++n) {
        if (InWindowScope(t, n, target) || InProgramScope(t, n, target)) members.push_back(n);
    }
    return members;
}

}  // namespace tavrin
