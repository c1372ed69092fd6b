#pragma once
// The network drive tags ("<NWC", "<NWD", "<NWT") and dial-up networking
// ("<DIAL:<NAME:", "<HANG>").
#include <string>

#include "language/tag_recogniser.h"
#include "platform/dial_up.h"
#include "platform/network_drives.h"
#include "platform/playback_ui.h"

namespace tavrin {

// Shown wherever dial-up networking is asked for without its library.
inline constexpr char kDialUpMissing[] =
    "Dial-Up Connections cannot be performed on this computer. The necessary Windows files "
    "have not been installed.  Missing RASAPI32.DLL";

class NetworkCommands {
public:
    NetworkCommands(NetworkDrives& drives, DialUp& dialUp, PlaybackUi& ui)
        : drives_(drives), dialUp_(dialUp), ui_(ui) {}

    // Plays a tag of CommandGroup::Network; false, having done nothing, for a
    // tag of another group. Results are shown as the tag's "S" flag (drives)
    // or its command (dial-up) says; playback goes on.
    bool PlayTag(const TagMatch& tag);

private:
    // The drive is the first two characters of driveAndShare, the share the rest.
    void Connect(const std::string& driveAndShare, const std::string& user,
                 const std::string& scrambledPassword, bool permanent, bool show);
    void Disconnect(const std::string& drive, bool permanent, bool force, bool show);
    // Disconnects the drive when it is mapped, else connects it.
    void Toggle(const TagFields& f, bool permanent, bool show);
    void Dial(const TagFields& f);
    void HangUp();

    NetworkDrives& drives_;
    DialUp& dialUp_;
    PlaybackUi& ui_;
};

}  // namespace tavrin
