#pragma once
// The passwords of the network and dial-up tags are stored scrambled by a
// character substitution that is its own inverse: scrambling twice gives the
// text back, so the same call writes and reads them.
#include <string>

namespace tavrin {

// Codes 1-25, 51-75, 101-125 and 151-175 move up by 25, codes 26-50, 76-100,
// 126-150 and 176-200 down by 25; 0 and 201-255 stay.
std::string ScramblePassword(const std::string& text);

}  // namespace tavrin
