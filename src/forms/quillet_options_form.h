#pragma once
// The "Quillet Options" dialog's model: its three choices, the prefix keys
// and the check of their characters.
#include <string>

#include "store/settings.h"

namespace tavrin {

struct QuilletOptionsForm {
    explicit QuilletOptionsForm(const Settings& s)
        : UsePrefixKeys(!s.UseSuffix),
          CaseSensitive(s.CaseSensitive),
          SolitaryUsage(s.SolitaryUsage),
          PrefixKeys(s.PrefixKeys) {}

    bool UsePrefixKeys;
    bool CaseSensitive;
    bool SolitaryUsage;
    std::string PrefixKeys;  // at most 2 characters

    // The message for prefix keys with a character a Quillet cannot hold;
    // empty when they are fine.
    std::string PrefixKeysError() const;
    // "&Ok": stores the choices and the trimmed prefix.
    void OkButtonClick(Settings& s) const;
};

}  // namespace tavrin
