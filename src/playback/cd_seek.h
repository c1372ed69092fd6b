#pragma once
// Where "<CDSTEP:" and "<CDBACK:" move the audio CD.
#include <cstdint>
#include <vector>

#include "platform/sound.h"

namespace tavrin {

// The place seconds later (earlier when negative) than here. Time past the
// end of a track goes on into the next ones, time before its start back
// into the previous ones; before the start of track 1 is the start of
// track 1, and past the end of the last track is that track's last frame.
// trackFrames holds the length of each track, track 1 first.
CdPlace SeekCd(CdPlace here, int seconds, const std::vector<int64_t>& trackFrames);

}  // namespace tavrin
