#pragma once
// The virtual-key numbers the portable code names, as Windows numbers them.
#include <cstdint>

namespace tavrin::vk {

constexpr uint8_t kBackspace = 8;
constexpr uint8_t kTab = 9;
constexpr uint8_t kEnter = 13;
constexpr uint8_t kShift = 16;
constexpr uint8_t kCtrl = 17;
constexpr uint8_t kAlt = 18;
constexpr uint8_t kPause = 19;
constexpr uint8_t kCapsLock = 20;
constexpr uint8_t kEscape = 27;
constexpr uint8_t kSpace = 32;
constexpr uint8_t kPageUp = 33;  // Page Up, Page Down, End, Home, then the four arrows
constexpr uint8_t kDownArrow = 40;
constexpr uint8_t kLeftWin = 91;
constexpr uint8_t kRightWin = 92;
constexpr uint8_t kNumpad0 = 96;
constexpr uint8_t kLeftShift = 0xA0;
constexpr uint8_t kRightShift = 0xA1;
constexpr uint8_t kLeftCtrl = 0xA2;
constexpr uint8_t kRightCtrl = 0xA3;
constexpr uint8_t kLeftAlt = 0xA4;
constexpr uint8_t kRightAlt = 0xA5;
// Assigned to nothing: pressed after Alt or Win so that their release opens
// no menu.
constexpr uint8_t kMask = 0xE8;

}  // namespace tavrin::vk
