#pragma once
// Where the pause dialog stands and how large it is.
#include <cstddef>

namespace tavrin {

// The dialog's height without a message.
constexpr int kPauseBaseHeight = 94;

struct PausePlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// "<PAUSE>" (centred, no message) when centred; otherwise "<PAUSE:" at top
// and left, moved up and left where the dialog would leave the screen. A
// message adds one line of 19 pixels per started 30 characters.
PausePlacement PlacePause(int screenWidth, int screenHeight, size_t messageLength, bool centred,
                          int top, int left);

}  // namespace tavrin
