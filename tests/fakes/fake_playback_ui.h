#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/playback_ui.h"

namespace tavrin {

class FakePlaybackUi : public PlaybackUi {
public:
    std::vector<std::string> messages;   // "title: text"
    std::vector<std::string> textBoxes;  // "title: text"
    std::vector<bool> running;
    std::vector<PauseRequest> pauses;
    // How every pause dialog ends; whilePaused runs while it is open.
    PauseOutcome pauseOutcome{true, false};
    std::function<void()> whilePaused;
    int resumes = 0;
    std::vector<std::string> restores;  // "target iconic", e.g. "7 1"
    uint16_t repeatCount = 1;
    std::vector<std::string> videos;  // "file start", start 0 to 2 as VideoStart
    std::function<void()> whileVideo;  // runs while the video window is open

    void ShowNotice(const std::string& title, const std::string& text) override {
        messages.push_back(title + ": " + text);
    }
    void ShowTextBox(const std::string& title, const std::string& text) override {
        textBoxes.push_back(title + ": " + text);
    }
    void SetRunning(bool on) override { running.push_back(on); }
    PauseOutcome PauseDialog(const PauseRequest& request) override {
        pauses.push_back(request);
        if (whilePaused) whilePaused();
        return pauseOutcome;
    }
    void ResumePause() override { ++resumes; }
    void RestoreAfterPause(WindowId target, bool iconic) override {
        restores.push_back(std::to_string(target) + (iconic ? " 1" : " 0"));
    }
    uint16_t AskRepeatCount() override { return repeatCount; }
    void PlayVideo(const std::string& file, VideoStart start) override {
        videos.push_back(file + " " + std::to_string(static_cast<int>(start)));
        if (whileVideo) whileVideo();
    }
};

}  // namespace tavrin
