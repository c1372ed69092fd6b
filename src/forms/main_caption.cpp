#include "forms/main_caption.h"

namespace tavrin {

std::string MainCaption(const CaptionState& state) {
    const std::string& path = state.currentFile;
    const std::string name = path.substr(path.find_last_of('\\') + 1);
    std::string caption =
        "Tavrin 99 (" + (name.size() >= 4 ? name.substr(0, name.size() - 4) : name) + ")";
    if (state.showDate) caption += "     " + state.date + "  " + state.time;
    if (state.browseAllMode) {
        caption += "    (Browse All Mode)";
    } else if (state.browseMode) {
        caption += "    (Browse Mode)";
    }
    return caption;
}

}  // namespace tavrin
