#pragma once
// The settings file's profile functions: sections of "key=value" text lines.
#include <cstddef>
#include <string>

namespace tavrin {

class Profile {
public:
    virtual ~Profile() = default;
    // The value of key in section, at most maxChars characters, or def when
    // the key is missing.
    virtual std::string ReadString(const std::string& section, const std::string& key,
                                   const std::string& def, size_t maxChars) = 0;
    // Write failures are not reported.
    virtual void WriteString(const std::string& section, const std::string& key,
                             const std::string& value) = 0;
};

}  // namespace tavrin
