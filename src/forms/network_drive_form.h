#pragma once
// "Map or Unmap  A Network Drive": connecting a drive letter to a network
// share, disconnecting it, or toggling the connection.
#include <cstdint>
#include <string>
#include <vector>

#include "forms/command_fields.h"

namespace tavrin {

struct TagMatch;

// Kinds: 1 connect, 2 disconnect, 3 toggle.
constexpr int kNetworkDisconnect = 2;

// The drive letters offered ("A:" to "Z:"): those the system has no drive
// for (logicalDrives, bit 0 for A) and those connected to a share now.
std::vector<std::string> NetworkDriveLetters(uint32_t logicalDrives,
                                             const std::vector<std::string>& connected);

// The share of a path the network folder picker chose: "\\server\share",
// without any folder below it.
std::string NetworkShareOf(const std::string& chosen);

// A line of the lists of mapped drives.
std::string MappedDriveLine(const std::string& local, const std::string& remote);

struct NetworkDriveValues {
    int Kind = 0;
    std::string DriveAndPath;  // "E:\\server\share"; the drive alone for a disconnection
    std::string Name;
    std::string Password;  // scrambled
    bool Permanent = false;
    bool Force = false;
    bool Status = false;
};

struct NetworkDriveFields {
    int Kind = 0;  // the checked choice; 0 for none
    std::string Drive;  // the selected letter ("E:"); empty for none
    std::string Path;
    bool DefaultLogon = true;
    std::string Name;
    std::string Password;  // as typed
    bool Permanent = false;
    bool Force = false;
    bool Status = false;
};

// A new command: Connect Drive with the default name and password; the
// second drive of the list is selected (DriveLine).
NetworkDriveFields NewNetworkDriveFields();
NetworkDriveFields NetworkDriveFieldsOf(const NetworkDriveValues& values);
NetworkDriveValues NetworkDriveValuesOf(const TagMatch& match);
// Field 1 is the network path.
CommandAnswer<NetworkDriveValues> AcceptNetworkDrive(const NetworkDriveFields& fields);

// The line of the drive list to select: the second for a new command (no
// drive), else the drive's own; -1 for none.
int DriveLine(const std::vector<std::string>& drives, const NetworkDriveFields& fields);

}  // namespace tavrin
