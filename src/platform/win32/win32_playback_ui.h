#pragma once
#include <functional>
#include <string>

#include "platform/playback_ui.h"

namespace tavrin {

// The playback windows: the notice is a stay-on-top message box; the text
// box, the pause dialog and the repeat prompt are small windows of their own.
// The running state goes to whoever shows it (the main tray icon).
class Win32PlaybackUi : public PlaybackUi {
public:
    void DoAMessage(const std::string& title, const std::string& text) override;
    void MyMessage(const std::string& title, const std::string& text) override;
    void SetRunning(bool running) override {
        if (onRunning) onRunning(running);
    }
    PauseOutcome PauseDialog(const PauseRequest& request) override;
    void ResumePause() override;
    void RestoreAfterPause(WindowId target, bool iconicBeforePause) override;
    uint16_t DoRepPrompt() override;

    std::function<void(bool)> onRunning;

private:
    bool noticeOpen_ = false;
    bool textBoxOpen_ = false;
    void* pauseWindow_ = nullptr;  // the open pause dialog
};

}  // namespace tavrin
