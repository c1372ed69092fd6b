#include "playback/pause_placement.h"

#include <algorithm>

namespace tavrin {

namespace {

constexpr int kWidth = 224;
constexpr int kCharsPerLine = 30;
constexpr int kLineHeight = 19;

}  // namespace

PausePlacement PlacePause(int screenWidth, int screenHeight, size_t messageLength, bool centred,
                          int top, int left) {
    const int lines = messageLength == 0 ? 0 : static_cast<int>(messageLength / kCharsPerLine) + 1;
    const int label = lines * kLineHeight;
    PausePlacement p;
    p.width = kWidth;
    p.height = kPauseBaseHeight + label;
    if (centred) {
        p.left = (screenWidth - kWidth) / 2;
        p.top = (screenHeight - kPauseBaseHeight) / 2;
    } else {
        p.top = std::min(top, screenHeight - (label + kPauseBaseHeight));
        p.left = std::min(left, screenWidth - kWidth);
    }
    return p;
}

}  // namespace tavrin
