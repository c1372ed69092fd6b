#pragma once
// What the "Capture Macro" dialog asks a capture to record, and the
// capture options the settings hold.
#include <string>

#include "capture/capture_setup.h"
#include "store/settings.h"

namespace tavrin {

// "&Start Capture" of the "Capture Macro" dialog for an existing macro.
struct CaptureRequest {
    int macro = 0;
    std::string nickname;
    CaptureOptions options;
    int speed = 1;              // the speed tag written when the time is captured
    bool programScope = false;  // the macro becomes specific to the program in front at the end
};

// The options of the "Capture" section of the settings.
CaptureOptions CaptureOptionsOf(const Settings& s);

}  // namespace tavrin
