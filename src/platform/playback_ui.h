#pragma once
// The windows through which a playing macro talks to the user, and the tray
// icon's running state.
#include <cstdint>
#include <string>

#include "platform/desktop.h"

namespace tavrin {

// What the pause dialog shows and where.
struct PauseRequest {
    std::string caption;   // "Pause (hot key name)" or "Pause"
    std::string nickname;  // the playing macro's nickname
    std::string message;   // hidden when empty
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    // Gets the input focus back whenever the dialog is activated.
    WindowId target = 0;
};

struct PauseOutcome {
    bool resume = false;     // Resume (or the pause hot key); false for Abort or a close
    bool wasIconic = false;  // the application was minimised when the dialog opened
};

// How the video clip player starts: the user plays the clip, the clip plays
// and the window stays, or the clip plays and the window closes after it.
enum class VideoStart { Open, Play, PlayAndClose };

class PlaybackUi {
public:
    virtual ~PlaybackUi() = default;
    // The stay-on-top notice window; does nothing while one is open.
    virtual void ShowNotice(const std::string& title, const std::string& text) = 0;
    // The text box window; does nothing while one is open.
    virtual void ShowTextBox(const std::string& title, const std::string& text) = 0;
    // Shows or clears "Macro Is Running" on the tray icon.
    virtual void SetRunning(bool running) = 0;

    // The modal pause dialog. The main window is hidden while it is open
    // (restored first when minimised, which the outcome reports) and the
    // target window brought back to the front after it; neither in the
    // hidden display mode.
    virtual PauseOutcome PauseDialog(const PauseRequest& request) = 0;
    // Closes an open pause dialog as Resume does; nothing when none is open.
    virtual void ResumePause() = 0;
    // After a macro that paused ends: shows the main window, minimises the
    // application again if it was minimised when a pause opened, and brings
    // the target window's top-level window to the front. Nothing in the hidden
    // display mode.
    virtual void RestoreAfterPause(WindowId target, bool iconicBeforePause) = 0;

    // The modal repeat prompt: the number of times to repeat.
    virtual uint16_t AskRepeatCount() = 0;

    // The modal video clip player of the file; no window stays open when the
    // clip cannot be opened.
    virtual void PlayVideo(const std::string& file, VideoStart start) = 0;
};

}  // namespace tavrin
