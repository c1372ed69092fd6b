#pragma once
#include "platform/shell_desktop.h"

namespace tavrin {

class Win32ShellDesktop : public ShellDesktop {
public:
    // Reads once whether the shell's automation object came with the system.
    Win32ShellDesktop();
    bool AutomationUsable() override { return usable_; }
    bool Call(ShellFunction function) override;
    bool ExploreSpecialFolder(int folder) override;
    void ShowTaskBar(bool visible) override;
    void CascadeWindows() override;
    void TileWindows(bool horizontally) override;

private:
    bool usable_ = false;
};

}  // namespace tavrin
