#include "base/bytes.h"

#include <algorithm>
#include <cstring>

namespace tavrin {

double GetF64(const uint8_t* p) {
    uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | p[i];
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

void PutF64(uint8_t* p, double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    for (int i = 0; i < 8; ++i) p[i] = static_cast<uint8_t>(bits >> (8 * i));
}

std::string GetShortString(const uint8_t* p, size_t width) {
    size_t len = std::min<size_t>(p[0], width);
    return std::string(reinterpret_cast<const char*>(p + 1), len);
}

void PutShortString(uint8_t* p, size_t width, const std::string& s) {
    size_t len = std::min(s.size(), width);
    p[0] = static_cast<uint8_t>(len);
    std::memcpy(p + 1, s.data(), len);
    std::memset(p + 1 + len, 0, width - len);
}

}  // namespace tavrin
