#pragma once
// "Screen Display Setting", over its model in forms/screen_setting_form.h.
#include "forms/screen_setting_form.h"
#include "ui/command_dialog.h"

namespace tavrin {

class ScreenSettingDialog : public CommandDialog {
public:
    explicit ScreenSettingDialog(const ScreenSettingFields& fields);

private:
    bool OnInit() override;
    void OnOK() override;

    ScreenSettingFields fields_;
};

}  // namespace tavrin
