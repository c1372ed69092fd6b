#pragma once
// Records what the hot keys asked of the main window.
#include <string>
#include <vector>

#include "triggers/hot_key_runner.h"

namespace tavrin {

class FakeHost : public HotKeyHost {
public:
    std::vector<std::string> calls;
    void ActivateMe() override { calls.push_back("activate me"); }
    void StartCapture() override { calls.push_back("capture"); }
    void MenuTopWindow() override { calls.push_back("menu"); }
    void ResumePause(bool caps) override { calls.push_back(caps ? "resume caps" : "resume"); }
    void StartClearTimer() override { calls.push_back("clear timer"); }
    bool ReloadChangedSharedFile() override { return false; }
};

}  // namespace tavrin
