#include "platform/win32/win32_profile.h"

#include <windows.h>

#include <vector>

namespace tavrin {

namespace {

constexpr char kSettingsFile[] = "KELDA.INI";

}  // namespace

std::string Win32Profile::ReadString(const std::string& section, const std::string& key,
                                     const std::string& def, size_t maxChars) {
    std::vector<char> buffer(maxChars + 1);
    const DWORD length =
        GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(), buffer.data(),
                                 static_cast<DWORD>(buffer.size()), kSettingsFile);
    return std::string(buffer.data(), length);
}

void Win32Profile::WriteString(const std::string& section, const std::string& key,
                               const std::string& value) {
    WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), kSettingsFile);
}

}  // namespace tavrin
