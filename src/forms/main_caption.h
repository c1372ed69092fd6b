#pragma once
// The main window's caption.
#include <string>

namespace tavrin {

struct CaptionState {
    std::string currentFile;  // the macro file's path
    bool showDate = false;    // "Show Date": date and time follow the name
    std::string date;         // the short date and long time, as the system writes them
    std::string time;
    bool browseMode = false;
    bool browseAllMode = false;
};

// "Tavrin 99 (" + the file's name without folder and its last four
// characters + ")", the date and time, and the Browse suffix.
std::string MainCaption(const CaptionState& state);

}  // namespace tavrin
