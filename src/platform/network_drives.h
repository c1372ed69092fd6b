#pragma once
// Drive letters mapped to network shares.
#include <cstdint>
#include <string>
#include <vector>

namespace tavrin {

class NetworkDrives {
public:
    virtual ~NetworkDrives() = default;
    // WNetAddConnection2 of a disk share; an empty user or password stands
    // for the logged-on user's own. Permanent connections come back at the
    // next logon. Its result: 0 or a system error code.
    virtual uint32_t Connect(const std::string& drive, const std::string& share,
                             const std::string& user, const std::string& password,
                             bool permanent) = 0;
    // WNetCancelConnection2; force closes open files.
    virtual uint32_t Disconnect(const std::string& drive, bool permanent, bool force) = 0;
    // The local names of the connected disk shares ("" for one without a
    // drive); none when they cannot be listed.
    virtual std::vector<std::string> ConnectedDrives() = 0;
};

}  // namespace tavrin
