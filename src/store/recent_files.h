#pragma once
// The five most recently used macro files, newest first, and the menu items
// that show them.
#include <array>
#include <string>

namespace tavrin {

using RecentFiles = std::array<std::string, 5>;

// Called when the current file changes from previous to chosen: chosen leaves
// the list, previous goes to the top.
void DoLastFiles(RecentFiles& files, const std::string& previous, const std::string& chosen);

struct LastFilesMenu {
    bool separatorVisible = false;
    std::array<bool, 5> itemVisible{};
    std::array<std::string, 5> itemCaption;
};

LastFilesMenu SetMenuLastFiles(const RecentFiles& files);

}  // namespace tavrin
