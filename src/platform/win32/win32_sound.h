#pragma once
#include "platform/sound.h"

namespace tavrin {

class Win32Sound : public Sound {
public:
    void PlayWave(const std::string& path, bool wait) override;
};

}  // namespace tavrin
