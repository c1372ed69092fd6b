#include "ui/capture_option_controls.h"

#include <cstddef>

#include "ui/capture_defaults_dialog_res.h"
#include "ui/capture_keys_dialog_res.h"

namespace tavrin {
namespace {

using Enabled = bool (CaptureDefaultsForm::*)() const;

// A check box in each dialog.
struct CheckIds {
    int defaults, macro;
};

// A radio group in each dialog, in the order of its places from 1.
template <size_t N>
struct RadioIds {
    int defaults[N], macro[N];
};

constexpr CheckIds kKeys = {kDefKeysCheck, kKeysKeysCheck};
constexpr CheckIds kDoubleAlt = {kDefDoubleAltCheck, kKeysDoubleAltCheck};
constexpr CheckIds kMouse = {kDefMouseCheck, kKeysMouseCheck};
constexpr RadioIds<3> kRelative = {{kDefScreenRadio, kDefWindowRadio, kDefPositionRadio},
                                   {kKeysScreenRadio, kKeysWindowRadio, kKeysPositionRadio}};
constexpr CheckIds kClicksOnly = {kDefClicksOnlyCheck, kKeysClicksOnlyCheck};
constexpr CheckIds kWindowSize = {kDefWindowSizeCheck, kKeysWindowSizeCheck};
constexpr CheckIds kTime = {kDefTimeCheck, kKeysTimeCheck};
constexpr RadioIds<4> kSpeed = {
    {kDefActualRadio, kDefHalfRadio, kDefDoubleRadio, kDefQuadrupleRadio},
    {kKeysActualRadio, kKeysHalfRadio, kKeysDoubleRadio, kKeysQuadrupleRadio}};

// The table: each option's field, how it is shown, its controls, and what
// enables them (null: always enabled), in the dialogs' Tab order.
template <typename Form, typename Visitor>
void VisitOptionControls(Form& f, Visitor& v) {
    v.Check(f.Keys, kKeys, nullptr);
    v.Check(f.DoubleAlt, kDoubleAlt, &CaptureDefaultsForm::DoubleAltEnabled);
    v.Check(f.Mouse, kMouse, nullptr);
    v.Radios(f.Relative, kRelative, &CaptureDefaultsForm::RelativeEnabled);
    v.Check(f.ClicksOnly, kClicksOnly, nullptr);
    v.Check(f.WindowSize, kWindowSize, &CaptureDefaultsForm::WindowSizeEnabled);
    v.Check(f.Time, kTime, nullptr);
    v.Radios(f.Speed, kSpeed, &CaptureDefaultsForm::SpeedsEnabled);
}

// One dialog's side of the table.
class Controls {
public:
    Controls(ModalDialog& dialog, CaptureOptionsIn in) : dialog_(dialog), in_(in) {}

protected:
    int Id(const CheckIds& ids) const {
        return in_ == CaptureOptionsIn::Defaults ? ids.defaults : ids.macro;
    }
    template <size_t N>
    const int (&Ids(const RadioIds<N>& ids) const)[N] {
        return in_ == CaptureOptionsIn::Defaults ? ids.defaults : ids.macro;
    }

    ModalDialog& dialog_;

private:
    CaptureOptionsIn in_;
};

class Shower : public Controls {
public:
    using Controls::Controls;
    void Check(bool value, const CheckIds& ids, Enabled) { dialog_.SetChecked(Id(ids), value); }
    template <size_t N>
    void Radios(int place, const RadioIds<N>& ids, Enabled) {
        dialog_.SetChecked(Ids(ids)[place - 1], true);
    }
};

class Reader : public Controls {
public:
    using Controls::Controls;
    void Check(bool& value, const CheckIds& ids, Enabled) { value = dialog_.IsChecked(Id(ids)); }
    template <size_t N>
    void Radios(int& place, const RadioIds<N>& ids, Enabled) {
        place = dialog_.CheckedOf(Ids(ids), place);
    }
};

class Enabler : public Controls {
public:
    Enabler(ModalDialog& dialog, CaptureOptionsIn in, const CaptureDefaultsForm& form)
        : Controls(dialog, in), form_(form) {}
    void Check(bool, const CheckIds& ids, Enabled enabled) {
        if (enabled) dialog_.EnableItem(Id(ids), (form_.*enabled)());
    }
    template <size_t N>
    void Radios(int, const RadioIds<N>& ids, Enabled enabled) {
        if (enabled)
            for (int id : Ids(ids)) dialog_.EnableItem(id, (form_.*enabled)());
    }

private:
    const CaptureDefaultsForm& form_;
};

}  // namespace

void ShowCaptureOptions(ModalDialog& dialog, CaptureOptionsIn in, const CaptureDefaultsForm& form) {
    Shower shower(dialog, in);
    VisitOptionControls(form, shower);
}

void ReadCaptureOptions(ModalDialog& dialog, CaptureOptionsIn in, CaptureDefaultsForm& form) {
    Reader reader(dialog, in);
    VisitOptionControls(form, reader);
}

void EnableCaptureOptions(ModalDialog& dialog, CaptureOptionsIn in, const CaptureDefaultsForm& form) {
    Enabler enabler(dialog, in, form);
    VisitOptionControls(form, enabler);
}

}  // namespace tavrin
