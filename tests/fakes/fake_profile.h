#pragma once
// A settings file in memory: sections of keys and values, with every write
// kept in order.
#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "platform/profile.h"

namespace tavrin {

class FakeProfile : public Profile {
public:
    struct Write {
        std::string Section;
        std::string Key;
        std::string Value;
    };

    std::map<std::string, std::map<std::string, std::string>> Sections;
    std::vector<Write> Writes;

    void Set(const std::string& section, const std::string& key, const std::string& value) {
        Sections[section][key] = value;
    }

    bool Has(const std::string& section, const std::string& key) const {
        auto found = Sections.find(section);
        return found != Sections.end() && found->second.count(key) != 0;
    }

    // The stored value, or "" when the key is missing.
    std::string Get(const std::string& section, const std::string& key) const {
        auto found = Sections.find(section);
        if (found == Sections.end()) return "";
        auto value = found->second.find(key);
        return value == found->second.end() ? "" : value->second;
    }

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def, size_t maxChars) override {
        return (Has(section, key) ? Get(section, key) : def).substr(0, maxChars);
    }

    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override {
        Sections[section][key] = value;
        Writes.push_back({section, key, value});
    }
};

}  // namespace tavrin
