#pragma once
// The keys a "<WAITKEY:" tag can wait for; the tag holds the position of the
// key in this list, written with two digits.
#include <array>

namespace tavrin {

inline constexpr std::array<const char*, 54> kWaitKeyNames = {
    "A",  "B",  "C",  "D",  "E",  "F",   "G",   "H",     "I",    "J",   "K",    "L",
    "M",  "N",  "O",  "P",  "Q",  "R",   "S",   "T",     "U",    "V",   "W",    "X",
    "Y",  "Z",  "0",  "1",  "2",  "3",   "4",   "5",     "6",    "7",   "8",    "9",
    "F1", "F2", "F3", "F4", "F5", "F6",  "F7",  "F8",    "F9",   "F10", "F11",  "F12",
    "ESC", "TAB", "ENTER", "CTRL", "ALT", "SHIFT"};

}  // namespace tavrin
