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
    // The audio CD: whether it opens, what was asked of it ("open", "play",
    // "stop", ..., "from track:frame"), and where it is.
    bool cdOpens = true;
    std::vector<std::string> cd;
    CdPlace cdHere;
    std::vector<int64_t> cdTracks;

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

    bool OpenCd() override {
        cd.push_back(cdOpens ? "open" : "open failed");
        return cdOpens;
    }
    void PressCd(CdButton button) override {
        static const char* const names[] = {"play", "stop",  "pause", "next",
                                            "prev", "eject", "close"};
        cd.push_back(names[static_cast<int>(button)]);
    }
    bool CdWhere(CdPlace& place, std::vector<int64_t>& trackFrames) override {
        place = cdHere;
        trackFrames = cdTracks;
        return !cdTracks.empty();
    }
    void PlayCdFrom(const CdPlace& place) override {
        cd.push_back("from " + std::to_string(place.track) + ":" + std::to_string(place.frame));
    }

    MixerLevel& Slot(MixerSlot slot) { return mixer[static_cast<int>(slot)]; }
    // Gives the slot a range and its channels' values.
    void Give(MixerSlot slot, int64_t min, int64_t max, int64_t left, int64_t right) {
        Slot(slot) = MixerLevel{true, min, max, left, right};
    }
};

}  // namespace tavrin
