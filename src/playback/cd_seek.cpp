#include "playback/cd_seek.h"

#include <algorithm>

namespace tavrin {

CdPlace SeekCd(CdPlace here, int seconds, const std::vector<int64_t>& trackFrames) {
    const int tracks = static_cast<int>(trackFrames.size());
    if (tracks == 0) return CdPlace{};
    auto length = [&](int track) { return std::max<int64_t>(trackFrames[track - 1], 1); };
    CdPlace to{std::clamp(here.track, 1, tracks), here.frame + seconds * kCdFramesPerSecond};
    while (to.frame < 0) {
        if (to.track == 1) return CdPlace{};
        --to.track;
        to.frame += length(to.track);
    }
    while (to.frame >= length(to.track)) {
        if (to.track == tracks) return CdPlace{tracks, length(tracks) - 1};
        to.frame -= length(to.track);
        ++to.track;
    }
    return to;
}

}  // namespace tavrin
