#pragma once
// The parts of the system the system, desktop and network tags reach.
#include "platform/dial_up.h"
#include "platform/network_drives.h"
#include "platform/printers.h"
#include "platform/shell_desktop.h"
#include "platform/system_settings.h"

namespace tavrin {

struct SystemPlatform {
    SystemSettings& settings;
    Printers& printers;
    ShellDesktop& shell;
    NetworkDrives& drives;
    DialUp& dialUp;
};

}  // namespace tavrin
