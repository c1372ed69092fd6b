#pragma once
// The main window's menu bar: loaded from the resources, with its check
// marks, enabled items, captions and the recent files of "&File".
#include <windows.h>

#include <string>

#include "store/recent_files.h"

namespace tavrin {

class MainMenu {
public:
    void Load(HWND window);
    void Check(int id, bool on);
    void Enable(int id, bool on);
    void SetCaption(int id, const std::string& caption);
    // The item's caption without its "&" marks; empty when there is no
    // such item.
    std::string Caption(int id) const;
    // Rebuilds the recent-file items at the end of "&File".
    void SetLastFiles(const RecentFiles& files);

private:
    HMENU menu_ = nullptr;
};

}  // namespace tavrin
