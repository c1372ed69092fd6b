#include "forms/macro_commands.h"

#include "store/macro_record.h"

namespace tavrin {

MacroCommandState MacroCommands(const MacroCommandInput& in) {
    MacroCommandState st;
    const bool popup = in.scope == kScopePopupMenu;
    const bool system = in.scope == kScopeSystem;
    st.activateCaption = in.hasMacro && in.active ? "Deacti&vate Macro" : "Acti&vate Macro";
    st.activateHint = in.hasMacro && in.active ? "Deactivate Macro" : "Activate Macro";
    st.modifyCaption = in.hasMacro && popup ? "Mo&dify Popup Menu" : "Modify &Directly";
    st.modifyHint = in.hasMacro && popup ? "Modify Macro Popup Menu" : "Modify Macro Directly";

    const bool browsing = in.browseMode || in.browseAllMode;
    const bool changeable = in.hasMacro && !browsing && !system;
    const bool hotKeyOrQuillet = in.hotKey < kHotKeyTimed || in.hotKey == kHotKeyQuillet;
    auto set = [&](MacroCommand c, bool on) { st.enabled[static_cast<size_t>(c)] = on; };
    set(MacroCommand::Add, !browsing);
    set(MacroCommand::Copy, changeable);
    set(MacroCommand::ModifyDirectly, changeable);
    set(MacroCommand::Remove, changeable);
    set(MacroCommand::Activate, changeable);
    set(MacroCommand::Recapture, changeable && !popup && hotKeyOrQuillet);
    set(MacroCommand::Scripting, changeable && !popup);
    set(MacroCommand::Rename, in.hasMacro && !browsing);
    set(MacroCommand::OnDesktop, in.hasMacro);
    set(MacroCommand::QuickInfo, in.hasMacro && !in.browseAllMode);
    set(MacroCommand::Import, !browsing);
    set(MacroCommand::Export, !browsing);
    set(MacroCommand::Sort, !in.browseAllMode);
    set(MacroCommand::Appearance, !browsing);
    if (in.wizardsPage) {
        // The macro page's commands rest while the wizards are shown.
        for (MacroCommand c : {MacroCommand::Appearance, MacroCommand::Copy, MacroCommand::Scripting,
                               MacroCommand::ModifyDirectly, MacroCommand::Recapture,
                               MacroCommand::Rename, MacroCommand::Activate, MacroCommand::Remove,
                               MacroCommand::OnDesktop, MacroCommand::QuickInfo,
                               MacroCommand::Import, MacroCommand::Export, MacroCommand::Sort})
            set(c, false);
    }
    return st;
}

}  // namespace tavrin
