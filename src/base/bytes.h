#pragma once
// Little-endian field access and short strings for fixed-layout records.
// Every stored or shared record goes through these; nothing relies on the
// memory layout of a C++ struct.
#include <cstddef>
#include <cstdint>
#include <string>

namespace tavrin {

inline uint16_t GetU16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
inline int16_t GetI16(const uint8_t* p) { return static_cast<int16_t>(GetU16(p)); }
inline uint32_t GetU32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
inline int32_t GetI32(const uint8_t* p) { return static_cast<int32_t>(GetU32(p)); }

inline void PutU16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
inline void PutI16(uint8_t* p, int16_t v) { PutU16(p, static_cast<uint16_t>(v)); }
inline void PutU32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
inline void PutI32(uint8_t* p, int32_t v) { PutU32(p, static_cast<uint32_t>(v)); }

// IEEE 754 double, stored little-endian.
double GetF64(const uint8_t* p);
void PutF64(uint8_t* p, double v);

// A short string of width n occupies n + 1 bytes: a length byte and n
// characters. A length byte larger than n is clamped to n.
std::string GetShortString(const uint8_t* p, size_t width);
// Stores s cut to width characters; the unused characters are zeroed.
void PutShortString(uint8_t* p, size_t width, const std::string& s);

}  // namespace tavrin
