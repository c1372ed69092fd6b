#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "platform/playback_ui.h"
#include "store/settings.h"

namespace tavrin {

class PauseDialog;

// The playback windows: the notice is a stay-on-top message box; the text
// box, the pause dialog and the repeat prompt are dialogs over the main
// window, which the pause hides while it is open. The hidden display mode
// is "Use Hide". The running state goes to whoever shows it (the main tray
// icon).
class Win32PlaybackUi : public PlaybackUi {
public:
    explicit Win32PlaybackUi(const Settings& settings) : settings_(settings) {}
    // The main window, once it exists.
    void SetOwner(HWND owner) { owner_ = owner; }

    void ShowNotice(const std::string& title, const std::string& text) override;
    void ShowTextBox(const std::string& title, const std::string& text) override;
    void SetRunning(bool running) override {
        if (onRunning) onRunning(running);
    }
    PauseOutcome PauseDialog(const PauseRequest& request) override;
    void ResumePause() override;
    void RestoreAfterPause(WindowId target, bool iconicBeforePause) override;
    uint16_t AskRepeatCount() override;
    void PlayVideo(const std::string& file, VideoStart start) override;

    std::function<void(bool)> onRunning;

private:
    const Settings& settings_;
    HWND owner_ = nullptr;
    bool noticeOpen_ = false;
    bool textBoxOpen_ = false;
    tavrin::PauseDialog* pause_ = nullptr;  // the open pause dialog
};

}  // namespace tavrin
