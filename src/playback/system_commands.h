#pragma once
// The tags that change system settings: display mode, keyboard repeat,
// screen saver, window border, wallpaper, default printer, and logging off
// or shutting down.
#include <string>

#include "language/tag_recogniser.h"
#include "platform/files.h"
#include "platform/playback_ui.h"
#include "platform/printers.h"
#include "platform/system_settings.h"

namespace tavrin {

class SystemCommands {
public:
    SystemCommands(SystemSettings& settings, Printers& printers, Files& files, PlaybackUi& ui)
        : settings_(settings), printers_(printers), files_(files), ui_(ui) {}

    // Plays a tag of CommandGroup::System; false, having done nothing, for a
    // tag of another group. Every failure is shown or silent as its command
    // says; playback goes on.
    bool PlayTag(const TagMatch& tag);

private:
    void ScreenMode(int number);
    void Wallpaper(const TagMatch& tag);
    void DefaultPrinter(const std::string& name);
    // Reboot, shut down, power off: only with the shutdown privilege.
    void EndSession(unsigned flags);

    SystemSettings& settings_;
    Printers& printers_;
    Files& files_;
    PlaybackUi& ui_;
};

}  // namespace tavrin
