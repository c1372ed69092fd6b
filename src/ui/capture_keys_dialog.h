#pragma once
// "Capture Macro": records an existing macro again. Shows its
// trigger and the keys that end the capture, takes its nickname and the
// capture options, and the window to start capturing in.
#include <string>

#include "base/macro_table.h"
#include "capture/capture_request.h"
#include "forms/capture_defaults_form.h"
#include "store/macro_record.h"
#include "store/settings.h"
#include "ui/modal_dialog.h"

namespace tavrin {

class CaptureKeysDialog : public ModalDialog {
public:
    CaptureKeysDialog(int n, const MacroRecord& record, const MacroTable& table,
                      const Settings& settings, uint16_t stopCode);

    // After "&Start Capture" (IDOK): what to capture, and the title of the
    // window to capture in, empty for the last active window.
    const CaptureRequest& Request() const { return request_; }
    const std::string& WindowTitle() const { return window_; }

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;
    void ReadOptions();
    void EnableDependents();

    const MacroRecord& record_;
    const MacroTable& table_;
    uint16_t stopCode_;
    CaptureDefaultsForm options_;
    CaptureRequest request_;
    std::string window_;
};

}  // namespace tavrin
