#pragma once
// What a pressed hot key does: the refusals, the system macros, the choice
// of macro by scope, and running the chosen macro with the hook library told
// that our own playback is under way.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/hook_library.h"
#include "platform/input.h"
#include "platform/playback_ui.h"
#include "playback/player.h"
#include "store/macro_store.h"
#include "triggers/menu_window.h"

namespace tavrin {

// The refusal of a macro asked for while a capture records.
inline constexpr char kRecordingRefusal[] =
    "A macro is currently being recorded. Another macro cannot be executed until the "
    "recording is completed.";

// What only the main window can do for the hot keys.
class HotKeyHost {
public:
    virtual ~HotKeyHost() = default;
    virtual void ActivateMe() = 0;
    virtual void StartCapture() = 0;
    virtual void MenuTopWindow() = 0;
    virtual void ResumePause(bool capsLockPressed) = 0;
    // Clears InUse 15 s from now if the hook library never reports the end
    // marker.
    virtual void StartClearTimer() = 0;
    // In network mode: reloads the shared macro file when another user
    // changed it and reports whether it did (the key is then pressed again).
    virtual bool ReloadChangedSharedFile() = 0;
};

class HotKeyRunner {
public:
    HotKeyRunner(MacroStore& store, HookLibrary& hooks, Player& player, Input& input,
                 Desktop& desktop, PlaybackUi& ui, HotKeyHost& host);

    // Message 0x402: wParam is the code, bit 15 set when Caps Lock is on.
    void OnHotKey(uint32_t wParam, WindowId front);
    // Scope resolution: the macro a code means now, 0 for none.
    int GetMacro(uint16_t code);
    // Plays macro n as a hook-triggered macro; a Quillet first erases what
    // was typed with that many backspaces.
    void RunMacro(int n, int erase = 0);
    // Shows why no macro may start now (a popup menu, a capture, a pause)
    // and returns true; false when one may.
    bool RefuseWhileBusy();
    // The hook library saw the end marker (message 0x40C).
    void OnInUseCleared();
    void ClearTimerTimer();
    // Shows the warning and returns false while the program must not come up.
    bool MayActivateMe();

    // The macros of the top-most window's menu: Window macros whose scope is
    // in its title and Program macros whose scope is in its program's name.
    std::vector<int> TopWindowMembers(const std::string& title, const std::string& program) const;

    // The window popup menus of macros are shown in; none shows no menu.
    void SetMenuWindow(MenuWindow* window) { menuWindow_ = window; }
    // Shows a popup-menu record (a menu macro or one built on the fly) and
    // plays the member chosen; a member that is a menu opens in turn.
    void RunMenu(const MacroRecord& menu);
    // A right click on a menu's tray icon: the next menu opens at x.
    void SetMenuPosition(int x) { menuX_ = x; }
    // Set while a popup menu of macros is on screen: no other trigger runs.
    void SetMenuOpen(bool open) { menuOpen_ = open; }
    bool MenuOpen() const { return menuOpen_; }
    void SetPauseOpen(bool open) { pauseOpen_ = open; }
    bool PauseOpen() const { return pauseOpen_; }
    int CurrentMacro() const { return current_; }

private:
    bool RefuseMenuOrCapture();
    // The first system macro of a code, or 0.
    int SystemMacro(uint16_t code) const;
    void SetInUse(bool on);
    // Shows a menu with the menu-open flag set and brings the target window
    // back to the front; the chosen macro number, or -1.
    int ShowMenu(const MacroRecord& menu);
    // A Quillet's typed abbreviation erased with backspaces.
    void Erase(int characters);
    // Plays macro n; a menu opens, up to kMaxMenuDepth - depth deep.
    void RunMacroAt(int n, int erase, int depth);

    MacroStore& store_;
    HookLibrary& hooks_;
    Player& player_;
    Input& input_;
    Desktop& desktop_;
    PlaybackUi& ui_;
    HotKeyHost& host_;
    MenuWindow* menuWindow_ = nullptr;
    bool menuOpen_ = false;
    int menuX_ = -1;
    bool pauseOpen_ = false;
    int current_ = 0;
};

}  // namespace tavrin
