#include "forms/capture_defaults_form.h"

namespace tavrin {
namespace {

int InRange(int value, int last) { return value >= 1 && value <= last ? value : 1; }

// Every capture setting beside the form's field for it, read into the form
// and stored from it by the same list. A choice is the place (from 1) of one
// of `last` buttons; out of range it is the first.
template <typename Record, typename Form, typename Visitor>
void VisitCaptureFields(Record& s, Form& f, Visitor& v) {
    v.Flag(s.CaptureKeys, f.Keys);
    v.Flag(s.CaptureDoubleAlt, f.DoubleAlt);
    v.Flag(s.CaptureMouse, f.Mouse);
    v.Choice(s.CaptureRelativeToScreen, f.Relative, 3);
    v.Flag(s.CaptureClicksOnly, f.ClicksOnly);
    v.Flag(s.CaptureWindowSize, f.WindowSize);
    v.Flag(s.CaptureTime, f.Time);
    v.Choice(s.CaptureSpeed, f.Speed, 4);
    v.Flag(s.CapturePrompt, f.Prompt);
    v.Flag(s.CaptureGlobal, f.Global);
}

struct FormReader {
    void Flag(bool setting, bool& field) { field = setting; }
    void Choice(int32_t setting, int& field, int last) { field = InRange(setting, last); }
};

struct FormStorer {
    void Flag(bool& setting, bool field) { setting = field; }
    void Choice(int32_t& setting, int field, int last) { setting = InRange(field, last); }
};

}  // namespace

CaptureDefaultsForm::CaptureDefaultsForm(const Settings& s) {
    FormReader reader;
    VisitCaptureFields(s, *this, reader);
}

void CaptureDefaultsForm::OkButtonClick(Settings& s) const {
    FormStorer storer;
    VisitCaptureFields(s, *this, storer);
}

}  // namespace tavrin
