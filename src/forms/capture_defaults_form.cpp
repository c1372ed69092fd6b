#include "forms/capture_defaults_form.h"

namespace tavrin {
namespace {

int InRange(int value, int last) { return value >= 1 && value <= last ? value : 1; }

}  // namespace

CaptureDefaultsForm::CaptureDefaultsForm(const Settings& s)
    : Keys(s.CaptureKeys),
      DoubleAlt(s.CaptureDoubleAlt),
      Mouse(s.CaptureMouse),
      ClicksOnly(s.CaptureClicksOnly),
      WindowSize(s.CaptureWindowSize),
      Time(s.CaptureTime),
      Prompt(s.CapturePrompt),
      Global(s.CaptureGlobal),
      Relative(InRange(s.CaptureRelativeToScreen, 3)),
      Speed(InRange(s.CaptureSpeed, 4)) {}

void CaptureDefaultsForm::OkButtonClick(Settings& s) const {
    s.CaptureKeys = Keys;
    s.CaptureDoubleAlt = DoubleAlt;
    s.CaptureMouse = Mouse;
    s.CaptureClicksOnly = ClicksOnly;
    s.CaptureWindowSize = WindowSize;
    s.CaptureTime = Time;
    s.CapturePrompt = Prompt;
    s.CaptureGlobal = Global;
    s.CaptureRelativeToScreen = InRange(Relative, 3);
    s.CaptureSpeed = InRange(Speed, 4);
}

}  // namespace tavrin
