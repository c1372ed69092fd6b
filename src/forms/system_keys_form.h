#pragma once
// "System Hot Keys": the hot keys of the four system macros
// and the display style of the menu of macros for the top-most window.
#include <array>
#include <cstdint>
#include <string>

#include "platform/user_messages.h"
#include "store/macro_store.h"

namespace tavrin {

struct FormCheck {
    bool ok = true;
    std::string title;
    std::string message;
};

class SystemKeysForm {
public:
    // systemMenu: the "System Menu" setting, 1 .. 3.
    SystemKeysForm(MacroStore& store, int systemMenu);

    // function is 1 .. 4; 0 when the file has no macro for it.
    int MacroOf(int function) const { return macros_[function - 1]; }
    uint16_t Code(int function) const { return codes_[function - 1]; }
    std::string KeyName(int function) const;
    int SystemMenu() const { return systemMenu_; }
    void SetSystemMenu(int style) { systemMenu_ = style; }

    // A hot key pressed in the field of a function: refused when a Global,
    // Popup Menu or System macro has it (the system macros' own keys too),
    // or when it is reserved and the user does not want it.
    FormCheck Press(int function, uint16_t code, UserMessages& messages);
    // "&Ok": refused when two functions share a key.
    FormCheck CheckAll() const;
    // Then each changed key is written to its macro (published to the hook
    // library); true when a macro was rewritten.
    bool Save();

private:
    MacroStore& store_;
    std::array<int, 4> macros_{};
    std::array<uint16_t, 4> codes_{};
    std::array<uint16_t, 4> original_{};
    int systemMenu_;
};

}  // namespace tavrin
