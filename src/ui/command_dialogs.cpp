#include "ui/command_dialogs.h"

#include "language/tag_recogniser.h"
#include "ui/default_printer_dialog.h"
#include "ui/desktop_dialog.h"
#include "ui/dial_up_dialog.h"
#include "ui/network_drive_dialog.h"
#include "ui/reboot_dialog.h"
#include "ui/screen_setting_dialog.h"
#include "ui/speaker_dialog.h"
#include "ui/system_controls_dialog.h"

namespace tavrin {

std::string RunCommandDialog(HWND owner, CommandDialogId id, int kind,
                             const std::string& editTag) {
    const bool preset = editTag.empty() && kind != 0;
    switch (id) {
    case CommandDialogId::RebootShutDown: {
        RebootFields fields = editTag.empty() ? NewRebootFields()
                                              : RebootFieldsOf(RebootValuesOf(Recognise(editTag, 0)));
        if (preset) fields.Kind = kind;
        RebootDialog dialog(fields);
        dialog.Create(owner);
        return dialog.ResultText();
    }
    case CommandDialogId::Desktop: {
        DesktopFields fields = editTag.empty()
                                   ? NewDesktopFields()
                                   : DesktopFieldsOf(DesktopValuesOf(Recognise(editTag, 0)));
        if (preset) fields.Kind = kind;
        DesktopDialog dialog(fields);
        dialog.Create(owner);
        return dialog.ResultText();
    }
    case CommandDialogId::SystemControls: {
        SystemControlsFields fields =
            editTag.empty() ? NewSystemControlsFields()
                            : SystemControlsFieldsOf(SystemControlsValuesOf(Recognise(editTag, 0)));
        if (preset) fields.Kind = kind;
        SystemControlsDialog dialog(fields);
        dialog.Create(owner);
        return dialog.ResultText();
    }
    case CommandDialogId::SpeakerControls: {
        SpeakerFields fields = editTag.empty()
                                   ? NewSpeakerFields()
                                   : SpeakerFieldsOf(SpeakerValuesOf(Recognise(editTag, 0)));
        if (preset) fields.Kind = kind;
        SpeakerDialog dialog(fields);
        dialog.Create(owner);
        return dialog.ResultText();
    }
    case CommandDialogId::ScreenSetting: {
        const ScreenSettingFields fields =
            editTag.empty() ? NewScreenSettingFields()
                            : ScreenSettingFieldsOf(ScreenSettingValuesOf(Recognise(editTag, 0)));
        ScreenSettingDialog dialog(fields);
        dialog.Create(owner);
        return dialog.ResultText();
    }
    case CommandDialogId::DefaultPrinter: {
        const DefaultPrinterFields fields =
            editTag.empty() ? NewDefaultPrinterFields()
                            : DefaultPrinterFieldsOf(DefaultPrinterValuesOf(Recognise(editTag, 0)));
        DefaultPrinterDialog dialog(fields);
        dialog.Create(owner);
        return dialog.ResultText();
    }
    case CommandDialogId::NetworkDrive: {
        NetworkDriveFields fields =
            editTag.empty() ? NewNetworkDriveFields()
                            : NetworkDriveFieldsOf(NetworkDriveValuesOf(Recognise(editTag, 0)));
        if (preset) fields.Kind = kind;
        NetworkDriveDialog dialog(fields);
        dialog.Create(owner);
        return dialog.ResultText();
    }
    case CommandDialogId::DialUp: {
        DialUpFields fields = editTag.empty()
                                  ? NewDialUpFields()
                                  : DialUpFieldsOf(DialUpValuesOf(Recognise(editTag, 0)));
        if (preset) fields.Kind = kind;
        DialUpDialog dialog(fields);
        dialog.Create(owner);
        return dialog.ResultText();
    }
    default:
        break;
    }
    return "";
}

}  // namespace tavrin
