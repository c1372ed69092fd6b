#include "store/recent_files.h"

#include <algorithm>

namespace tavrin {

void DoLastFiles(RecentFiles& files, const std::string& previous, const std::string& chosen) {
    auto found = std::find(files.begin(), files.end(), chosen);
    if (found != files.end()) {
        std::move(found + 1, files.end(), found);
        files.back().clear();
    }
    std::move_backward(files.begin(), files.end() - 1, files.end());
    files.front() = previous;
}

LastFilesMenu SetMenuLastFiles(const RecentFiles& files) {
    LastFilesMenu menu;
    for (size_t k = 0; k < files.size(); ++k) {
        if (files[k].empty()) continue;
        menu.separatorVisible = true;
        menu.itemVisible[k] = true;
        menu.itemCaption[k] = "&" + std::to_string(k + 1) + "   " + files[k];
    }
    return menu;
}

}  // namespace tavrin
