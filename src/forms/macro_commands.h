#pragma once
// Which of the main window's macro commands are enabled, and the captions
// and hints that follow the selected macro, for the menu, the speed buttons
// and the lettered buttons alike.
#include <array>
#include <cstdint>
#include <string>

namespace tavrin {

enum class MacroCommand {
    Add,
    Copy,
    Scripting,
    ModifyDirectly,
    Recapture,
    Rename,
    Activate,
    Remove,
    OnDesktop,
    QuickInfo,
    Import,
    Export,
    Sort,
    Appearance,
    Count
};

// What the enabling depends on.
struct MacroCommandInput {
    bool hasMacro = false;  // the list holds a macro and one is selected
    uint16_t hotKey = 0;    // of the selected macro
    int16_t scope = 1;
    bool active = true;
    bool browseMode = false;
    bool browseAllMode = false;
    bool wizardsPage = false;  // the "&Quick Wizards" page is in front
};

struct MacroCommandState {
    std::array<bool, static_cast<size_t>(MacroCommand::Count)> enabled{};
    std::string activateCaption;  // "Acti&vate Macro" or "Deacti&vate Macro"
    std::string activateHint;
    std::string modifyCaption;    // "Modify &Directly" or "Mo&dify Popup Menu"
    std::string modifyHint;

    bool Enabled(MacroCommand c) const { return enabled[static_cast<size_t>(c)]; }
};

// SetButtons and CheckTimeItem in one: the state of every command for the
// selection, the Browse modes and the page shown.
MacroCommandState MacroCommands(const MacroCommandInput& in);

}  // namespace tavrin
