#pragma once
// The number fields of the dialogs: plain decimal digits, no sign, no spaces.
#include <string>

namespace tavrin {

// True when text is one or more digits and nothing else; value is its number.
bool ParseDigits(const std::string& text, long long& value);

}  // namespace tavrin
