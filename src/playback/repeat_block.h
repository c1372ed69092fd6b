#pragma once
// Repeat blocks: pairing an opener with its "<ENDREP>", and the counter
// digits the counter tags type.
#include <cstddef>
#include <string>

namespace tavrin {

inline constexpr char kEndRepeat[] = "<ENDREP>";

// The position of the "<ENDREP>" that closes a block whose text begins at
// from, or npos. Every opener ("<REP:", "<REPEAT:", "<PROMPTREP>", by its
// head alone) met on the way needs an "<ENDREP>" of its own first.
size_t FindEndRepeat(const std::string& text, size_t from);

// value in decimal, with leading zeros up to width digits; never cut.
std::string CounterText(int value, int width);

}  // namespace tavrin
