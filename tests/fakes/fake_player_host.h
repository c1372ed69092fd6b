#pragma once
// Records what a playing macro asked of the main window, e.g. "deleted 5".
#include <string>
#include <vector>

#include "playback/player_host.h"

namespace tavrin {

class FakePlayerHost : public PlayerHost {
public:
    int current = 0;
    std::vector<std::string> calls;

    int CurrentMacro() override { return current; }
    void PauseOpenChanged(bool open) override {
        calls.push_back(open ? "pause open" : "pause closed");
    }
    void MacroActiveChanged(int n) override { calls.push_back("active " + std::to_string(n)); }
    void MacroDeleted(int n) override { calls.push_back("deleted " + std::to_string(n)); }
    void SwapMacroFile(const std::string& path) override { calls.push_back("swap " + path); }
};

}  // namespace tavrin
