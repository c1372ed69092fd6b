#pragma once
#include <string>

#include "platform/playback_ui.h"

namespace tavrin {

// Stand-ins until the real playback windows exist: the notice window and the
// text box are stay-on-top message boxes, the pause dialog an OK/Cancel box
// (OK resumes), the repeat prompt answers 1; the tray icon's running state
// waits for the tray icon.
class Win32PlaybackUi : public PlaybackUi {
public:
    void DoAMessage(const std::string& title, const std::string& text) override;
    void MyMessage(const std::string& title, const std::string& text) override;
    void SetRunning(bool) override {}
    PauseOutcome PauseDialog(const PauseRequest& request) override;
    void ResumePause() override;
    void RestoreAfterPause(WindowId target, bool iconicBeforePause) override;
    uint16_t DoRepPrompt() override { return 1; }

private:
    bool noticeOpen_ = false;
    bool textBoxOpen_ = false;
    std::string pauseCaption_;  // of the open pause dialog; empty when none
};

}  // namespace tavrin
