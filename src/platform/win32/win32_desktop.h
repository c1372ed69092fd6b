#pragma once
#include "platform/desktop.h"

namespace tavrin {

class Win32Desktop : public Desktop {
public:
    // The main window, which owns what ShellExecute shows.
    void SetOwner(void* window) { owner_ = window; }
    WindowId Foreground() override;
    WindowId FindExact(const std::string& title) override;
    std::vector<WindowId> TopLevelWindows() override;
    std::string Title(WindowId w) override;
    uint32_t ProcessOf(WindowId w) override;
    std::vector<RunningProcess> Processes() override;
    void Activate(WindowId w) override;
    void SystemCommand(WindowId w, unsigned command) override;
    void PostQuit(WindowId w) override;
    void Show(WindowId w, bool visible) override;
    void Resize(WindowId w, int width, int height) override;
    void Move(WindowId w, int left, int top) override;
    int Open(const std::string& program, const std::string& parameters) override;
    void OpenAddress(const std::string& address) override;
    void Explore(const std::string& folder) override;

private:
    void* owner_ = nullptr;
};

}  // namespace tavrin
