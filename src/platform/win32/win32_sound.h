#pragma once
#include <memory>

#include "platform/sound.h"

namespace tavrin {

class Win32Sound : public Sound {
public:
    Win32Sound();
    ~Win32Sound() override;

    void PlayWave(const std::string& path, bool wait) override;
    void Beep() override;
    MixerLevel ReadMixer(MixerSlot slot) override;
    void SetMixer(MixerSlot slot, int64_t left, int64_t right) override;

private:
    struct Mixer;
    // Mixer device 0 and its controls, opened on first use and kept.
    Mixer& OpenMixer();

    std::unique_ptr<Mixer> mixer_;
};

}  // namespace tavrin
