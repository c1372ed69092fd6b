#include "capture/capture_request.h"

namespace tavrin {

CaptureOptions CaptureOptionsOf(const Settings& s) {
    CaptureOptions o;
    o.keys = s.CaptureKeys;
    o.mouse = s.CaptureMouse;
    o.clicksOnly = s.CaptureClicksOnly;
    o.relative = s.CaptureRelativeToScreen == 2   ? CaptureRelative::Window
                 : s.CaptureRelativeToScreen == 3 ? CaptureRelative::LastPosition
                                                  : CaptureRelative::Screen;
    o.time = s.CaptureTime;
    o.windowSize = s.CaptureMouse && o.relative == CaptureRelative::Window && s.CaptureWindowSize;
    o.doubleAlt = s.CaptureDoubleAlt;
    return o;
}

}  // namespace tavrin
