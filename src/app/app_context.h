#pragma once
// Everything the program holds for its whole run, passed to the main window.
#include <string>
#include <vector>

#include "app/shared_remap_block.h"
#include "platform/hook_library.h"
#include "platform/system_platform.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_dial_up.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_input.h"
#include "platform/win32/win32_message_pump.h"
#include "platform/win32/win32_network_drives.h"
#include "platform/win32/win32_printers.h"
#include "platform/win32/win32_profile.h"
#include "platform/win32/win32_shell_desktop.h"
#include "platform/win32/win32_sound.h"
#include "platform/win32/win32_system_settings.h"
#include "platform/win32/win32_timers.h"
#include "platform/win32/win32_user_messages.h"
#include "playback/key_pace.h"
#include "playback/modifier_guard.h"
#include "startup/command_line.h"
#include "store/macro_store.h"
#include "store/settings.h"
#include "triggers/remapper.h"
#include "ui/win32_menu_window.h"
#include "ui/win32_playback_ui.h"

namespace tavrin {

struct AppContext {
    AppContext(HookLibrary& hookLibrary, std::string folder)
        : hooks(hookLibrary),
          programFolder(std::move(folder)),
          store(files, hooks, messages, clock, programFolder, settings.CurrentFile),
          guard(systemInput, hooks),
          input(guard, pump),
          playbackUi(settings) {}

    HookLibrary& hooks;
    std::string programFolder;
    Win32Files files;
    Win32Clock clock;
    Win32Profile profile;
    Win32UserMessages messages;
    Settings settings;
    MacroStore store;
    Win32MessagePump pump;
    Win32Input systemInput;
    ModifierGuard guard;
    KeyPace input;  // every key playback injects goes through the pace and the guard
    Win32Desktop desktop;
    Win32FileSystem fileSystem;
    Win32PlaybackUi playbackUi;
    Win32Timers timers;
    Win32Sound sound;
    Win32Clipboard clipboard;
    Win32MenuWindow menuWindow{settings};
    SharedRemapBlock remapBlock;
    Remapper remapper{files, hooks, messages, remapBlock};
    Win32SystemSettings systemSettings;
    Win32Printers printers;
    Win32ShellDesktop shell;
    Win32NetworkDrives networkDrives;
    Win32DialUp dialUp;  // the dial-up library, loaded for the whole run
    SystemPlatform system{systemSettings, printers, shell, networkDrives, dialUp};
    std::string commandLine;        // the whole command line, program path included
    std::vector<std::string> args;  // the arguments after the program path
    int showCommand = 1;            // the show command handed to the program
};

}  // namespace tavrin
