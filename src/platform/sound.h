#pragma once
// Sounds the program plays.
#include <string>

namespace tavrin {

class Sound {
public:
    virtual ~Sound() = default;
    // Plays a wave file, to its end when wait is set; nothing when the file
    // cannot be played.
    virtual void PlayWave(const std::string& path, bool wait) = 0;
};

}  // namespace tavrin
