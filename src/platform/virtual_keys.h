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
constexpr uint8_t kLeftWin = 91;
constexpr uint8_t kRightWin = 92;
constexpr uint8_t kNumpad0 = 96;

}  // namespace tavrin::vk
