#pragma once
#include "platform/network_drives.h"

namespace tavrin {

class Win32NetworkDrives : public NetworkDrives {
public:
    uint32_t Connect(const std::string& drive, const std::string& share, const std::string& user,
                     const std::string& password, bool permanent) override;
    uint32_t Disconnect(const std::string& drive, bool permanent, bool force) override;
    std::vector<std::string> ConnectedDrives() override;
};

}  // namespace tavrin
