#include "platform/win32/win32_network_drives.h"

#include <windows.h>

#include <winnetwk.h>

namespace tavrin {

namespace {

// An empty text is no text: the system then takes the logged-on user's own
// name and password, where an empty string would mean none.
const char* TextOrNone(const std::string& s) { return s.empty() ? nullptr : s.c_str(); }

constexpr DWORD kEnumBuffer = 16384;

}  // namespace

uint32_t Win32NetworkDrives::Connect(const std::string& drive, const std::string& share,
                                     const std::string& user, const std::string& password,
                                     bool permanent) {
    NETRESOURCEA resource{};
    resource.dwType = RESOURCETYPE_DISK;
    resource.lpLocalName = const_cast<char*>(drive.c_str());
    resource.lpRemoteName = const_cast<char*>(share.c_str());
    return WNetAddConnection2A(&resource, TextOrNone(password), TextOrNone(user),
                               permanent ? CONNECT_UPDATE_PROFILE : 0);
}

uint32_t Win32NetworkDrives::Disconnect(const std::string& drive, bool permanent, bool force) {
    return WNetCancelConnection2A(drive.c_str(), permanent ? CONNECT_UPDATE_PROFILE : 0,
                                  force ? TRUE : FALSE);
}

std::vector<std::string> Win32NetworkDrives::ConnectedDrives() {
    std::vector<std::string> drives;
    HANDLE listing;
    if (WNetOpenEnumA(RESOURCE_CONNECTED, RESOURCETYPE_DISK, 0, nullptr, &listing) != NO_ERROR)
        return drives;
    // DWORD-aligned for the records the buffer receives.
    std::vector<DWORD> buffer(kEnumBuffer / sizeof(DWORD));
    for (;;) {
        DWORD count = static_cast<DWORD>(-1);
        DWORD size = kEnumBuffer;
        if (WNetEnumResourceA(listing, &count, buffer.data(), &size) != NO_ERROR) break;
        const auto* resources = reinterpret_cast<const NETRESOURCEA*>(buffer.data());
        for (DWORD k = 0; k < count; ++k)
            drives.push_back(resources[k].lpLocalName ? resources[k].lpLocalName : "");
    }
    WNetCloseEnum(listing);
    return drives;
}

}  // namespace tavrin
