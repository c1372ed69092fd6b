#pragma once
// The desktop tags: the task bar, cascading and tiling the windows, the
// shell's own functions (minimise all, the Run and Find dialogs, ...) and
// its special folders opened in the Explorer.
#include <functional>

#include "language/tag_recogniser.h"
#include "platform/playback_ui.h"
#include "platform/shell_desktop.h"

namespace tavrin {

class DesktopCommands {
public:
    DesktopCommands(ShellDesktop& shell, PlaybackUi& ui) : shell_(shell), ui_(ui) {}

    // Plays a tag of CommandGroup::Desktop; false, having done nothing, for a
    // tag of another group. A shell function that cannot run says why;
    // playback goes on.
    bool PlayTag(const TagMatch& tag);

private:
    // Runs call when the shell's automation object can be used; otherwise
    // shows why under the caption name + " Error". A call that fails says
    // nothing.
    void Shell(const char* name, const std::function<bool()>& call);

    ShellDesktop& shell_;
    PlaybackUi& ui_;
};

}  // namespace tavrin
