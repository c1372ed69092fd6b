#pragma once
// Records the sounds played and keeps a mixer whose controls the test sets.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/sound.h"

namespace tavrin {

class FakeSound : public Sound {
public:
    std::vector<std::string> played;  // "path", or "path wait" when played to its end
    int beeps = 0;
    // By slot; none exists until the test gives it a range.
    MixerLevel mixer[static_cast<int>(MixerSlot::Count)];
    int sets = 0;

    void PlayWave(const std::string& path, bool wait) override {
        played.push_back(path + (wait ? " wait" : ""));
    }
    void Beep() override { ++beeps; }
    MixerLevel ReadMixer(MixerSlot slot) override { return Slot(slot); }
    void SetMixer(MixerSlot slot, int64_t left, int64_t right) override {
        ++sets;
        MixerLevel& level = Slot(slot);
        if (!level.exists) return;
        level.left = left;
        level.right = right;
    }

    MixerLevel& Slot(MixerSlot slot) { return mixer[static_cast<int>(slot)]; }
    // Gives the slot a range and its channels' values.
    void Give(MixerSlot slot, int64_t min, int64_t max, int64_t left, int64_t right) {
        Slot(slot) = MixerLevel{true, min, max, left, right};
    }
};

}  // namespace tavrin
