#pragma once
// The windows through which a playing macro talks to the user, and the tray
// icon's running state.
#include <string>

namespace tavrin {

class PlaybackUi {
public:
    virtual ~PlaybackUi() = default;
    // The stay-on-top notice window; does nothing while one is open.
    virtual void DoAMessage(const std::string& title, const std::string& text) = 0;
    // Shows or clears "Macro Is Running" on the tray icon.
    virtual void SetRunning(bool running) = 0;
};

}  // namespace tavrin
