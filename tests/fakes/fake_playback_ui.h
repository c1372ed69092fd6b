#pragma once
#include <string>
#include <vector>

#include "platform/playback_ui.h"

namespace tavrin {

class FakePlaybackUi : public PlaybackUi {
public:
    std::vector<std::string> messages;  // "title: text"
    std::vector<bool> running;
    void DoAMessage(const std::string& title, const std::string& text) override {
        messages.push_back(title + ": " + text);
    }
    void SetRunning(bool on) override { running.push_back(on); }
};

}  // namespace tavrin
