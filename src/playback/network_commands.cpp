#include "playback/network_commands.h"

#include <cctype>
#include <vector>

#include "language/scrambled_password.h"

namespace tavrin {

namespace {

constexpr const char* kDialUpError = "Dial-Up Error";
constexpr const char* kHangUpFailed = "Dial-Up Networking Hang Up failed.";

std::string MapText(uint32_t result) {
    switch (result) {
        case 0: return "Drive mapped succesfully.";
        case 5: return "Map Failed.  Access to the nework device was denied.";
        case 66: return "Map Failed.  Nework device specified is not compatible with a drive.";
        case 67: return "Map Failed.  The specified networkd device was invalid.";
        case 85: return "Map Failed.  Drive was already assigned to a nework device.";
        case 86: return "Map Failed.  The specified password was invalid.";
        case 170:
            return "Map Failed.  The network router was busy--possibly initializing.  Try again.";
        case 1200: return "Map Failed.  The specified drive was invalid.";
        case 1222: return "Map Failed.  No network exists.";
        default: return "Map Failed.  Unknown Error #" + std::to_string(result);
    }
}

std::string UnmapText(uint32_t result) {
    switch (result) {
        case 0: return "Drive succesfully unmapped.";
        case 2404: return "Unmap Failed.  Nework device is in use by an active process.";
        case 2250: return "Unmap Failed.  Drive is not currently connected to a nework device.";
        case 2401:
            return "Unmap Failed.  There are open files on the network device and the \"Force\" "
                   "option was not used.";
        default: return "Unmap Failed.  Unknown Error #" + std::to_string(result);
    }
}

bool Has(const TagFields& f, char flag) { return f.Flags.find(flag) != std::string::npos; }

bool SameLetter(char a, char b) {
    return std::toupper(static_cast<unsigned char>(a)) ==
           std::toupper(static_cast<unsigned char>(b));
}

}  // namespace

bool NetworkCommands::PlayTag(const TagMatch& tag) {
    const TagFields& f = tag.Fields;
    const bool permanent = Has(f, 'P');
    const bool show = Has(f, 'S');
    switch (tag.Kind) {
        case TagKind::NetConnect: Connect(f.Texts[2], f.Texts[0], f.Texts[1], permanent, show); break;
        case TagKind::NetToggle: Toggle(f, permanent, show); break;
        case TagKind::NetDisconnect: Disconnect(f.Texts[0], permanent, Has(f, 'F'), show); break;
        case TagKind::Dial: Dial(f); break;
        case TagKind::HangUp: HangUp(); break;
        default: return false;
    }
    return true;
}

void NetworkCommands::Connect(const std::string& driveAndShare, const std::string& user,
                              const std::string& scrambledPassword, bool permanent, bool show) {
    const std::string drive = driveAndShare.substr(0, 2);
    const std::string share = driveAndShare.size() > 2 ? driveAndShare.substr(2) : "";
    const uint32_t result =
        drives_.Connect(drive, share, user, ScramblePassword(scrambledPassword), permanent);
    if (show) ui_.ShowNotice("Map " + drive + " to " + share, MapText(result));
}

void NetworkCommands::Disconnect(const std::string& drive, bool permanent, bool force,
                                 bool show) {
    const uint32_t result = drives_.Disconnect(drive, permanent, force);
    if (show) ui_.ShowNotice("Unmap Network Drive " + drive, UnmapText(result));
}

void NetworkCommands::Toggle(const TagFields& f, bool permanent, bool show) {
    const std::string& driveAndShare = f.Texts[2];
    bool mapped = false;
    if (!driveAndShare.empty()) {
        for (const std::string& local : drives_.ConnectedDrives())
            if (!local.empty() && SameLetter(local[0], driveAndShare[0])) mapped = true;
    }
    if (mapped)
        Disconnect(driveAndShare.substr(0, 2), permanent, false, show);
    else
        Connect(driveAndShare, f.Texts[0], f.Texts[1], permanent, show);
}

void NetworkCommands::Dial(const TagFields& f) {
    if (!dialUp_.Available()) {
        ui_.ShowTextBox("Warning", kDialUpMissing);
        return;
    }
    const std::string& entry = f.Texts[2];
    DialConnection connection = 0;
    const uint32_t result =
        dialUp_.Dial(entry, f.Texts[0], ScramblePassword(f.Texts[1]), connection);
    if (result == 0) return;
    // A failed dial can leave a half-open connection behind.
    if (connection != 0) dialUp_.HangUp(connection);
    ui_.ShowNotice(kDialUpError, "Dial-Up Network Connection to " + entry +
                                     " failed.  Error code: " + std::to_string(result));
}

void NetworkCommands::HangUp() {
    if (!dialUp_.Available()) {
        ui_.ShowTextBox("Warning", kDialUpMissing);
        return;
    }
    std::vector<DialConnection> connections;
    if (!dialUp_.Connections(connections)) {
        ui_.ShowNotice(kDialUpError, kHangUpFailed);
        return;
    }
    if (connections.empty()) {
        ui_.ShowNotice(kDialUpError, "There are no Dial-Up Networking connections to hang up.");
        return;
    }
    if (dialUp_.HangUp(connections.front()) != 0) ui_.ShowNotice(kDialUpError, kHangUpFailed);
}

}  // namespace tavrin
