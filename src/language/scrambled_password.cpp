#include "language/scrambled_password.h"

namespace tavrin {

std::string ScramblePassword(const std::string& text) {
    std::string out = text;
    for (char& ch : out) {
        const int c = static_cast<unsigned char>(ch);
        if (c == 0 || c > 200) continue;
        // Codes 1-200 fall in blocks of 50: the lower half of a block swaps
        // with its upper half.
        const int inBlock = (c - 1) % 50;
        ch = static_cast<char>(inBlock < 25 ? c + 25 : c - 25);
    }
    return out;
}

}  // namespace tavrin
