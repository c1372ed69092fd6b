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
    bool OpenCd() override;
    void PressCd(CdButton button) override;
    bool CdWhere(CdPlace& place, std::vector<int64_t>& trackFrames) override;
    void PlayCdFrom(const CdPlace& place) override;

private:
    struct Mixer;
    // Mixer device 0 and its controls, opened on first use and kept.
    Mixer& OpenMixer();

    std::unique_ptr<Mixer> mixer_;
    unsigned cdDevice_ = 0;  // the open MCI device of the audio CD, 0 for none
};

}  // namespace tavrin
