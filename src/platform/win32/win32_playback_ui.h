#pragma once
#include "platform/playback_ui.h"

namespace tavrin {

// The notice window is a stay-on-top message box; the tray icon's running
// state waits for the tray icon.
class Win32PlaybackUi : public PlaybackUi {
public:
    void DoAMessage(const std::string& title, const std::string& text) override;
    void SetRunning(bool) override {}

private:
    bool open_ = false;
};

}  // namespace tavrin
