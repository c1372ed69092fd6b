#pragma once
// The settings file through the Windows private-profile functions. The bare
// file name "KELDA.INI" puts the file in the Windows directory.
#include <cstddef>
#include <string>

#include "platform/profile.h"

namespace tavrin {

class Win32Profile : public Profile {
public:
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def, size_t maxChars) override;
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;
};

}  // namespace tavrin
