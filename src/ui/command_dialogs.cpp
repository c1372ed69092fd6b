#include "ui/command_dialogs.h"

#include "forms/activate_launch_form.h"
#include "forms/command_fields.h"
#include "forms/date_time_form.h"
#include "forms/load_macro_file_form.h"
#include "forms/macro_commands_form.h"
#include "forms/search_form.h"
#include "forms/set_scope_form.h"
#include "forms/size_window_form.h"
#include "forms/value_form.h"
#include "forms/window_controls_form.h"
#include "language/tag_recogniser.h"
#include "platform/win32/win32_files.h"
#include "store/settings.h"
#include "ui/activate_launch_dialog.h"
#include "ui/audio_cd_dialog.h"
#include "ui/clipboard_dialog.h"
#include "ui/date_time_dialog.h"
#include "ui/default_printer_dialog.h"
#include "ui/desktop_dialog.h"
#include "ui/dial_up_dialog.h"
#include "ui/enter_keystrokes_dialog.h"
#include "ui/file_manipulation_dialog.h"
#include "ui/insert_symbol_dialog.h"
#include "ui/installed_programs.h"
#include "ui/keys_up_down_dialog.h"
#include "ui/load_macro_file_dialog.h"
#include "ui/load_text_file_dialog.h"
#include "ui/macro_commands_dialog.h"
#include "ui/mouse_commands_dialog.h"
#include "ui/network_drive_dialog.h"
#include "ui/open_explorer_dialog.h"
#include "ui/pause_window_dialog.h"
#include "ui/play_video_dialog.h"
#include "ui/program_folder.h"
#include "ui/reboot_dialog.h"
#include "ui/remark_dialog.h"
#include "ui/repeat_options_dialog.h"
#include "ui/screen_setting_dialog.h"
#include "ui/search_dialog.h"
#include "ui/set_delay_dialog.h"
#include "ui/set_scope_dialog.h"
#include "ui/set_sound_dialog.h"
#include "ui/size_window_dialog.h"
#include "ui/speaker_dialog.h"
#include "ui/speed_dialog.h"
#include "ui/system_controls_dialog.h"
#include "ui/text_box_command_dialog.h"
#include "ui/value_dialog.h"
#include "ui/wait_for_dialog.h"
#include "ui/web_address_dialog.h"
#include "ui/window_controls_dialog.h"

namespace tavrin {
namespace {

// The fields of a dialog: a new command's, or an edited tag's.
template <class Fields, class Values>
Fields EditedOr(const Fields& fresh, Fields (*fieldsOf)(const Values&),
                Values (*valuesOf)(const TagMatch&), const std::string& editTag) {
    return editTag.empty() ? fresh : fieldsOf(valuesOf(Recognise(editTag, 0)));
}

// The same for a dialog of several choices, where the caller's choice for a
// new command wins over the dialog's own.
template <class Fields, class Values>
Fields FieldsFor(Fields (*newFields)(), Fields (*fieldsOf)(const Values&),
                 Values (*valuesOf)(const TagMatch&), int kind, const std::string& editTag) {
    Fields fresh = newFields();
    if (kind != 0) fresh.Kind = kind;
    return EditedOr(fresh, fieldsOf, valuesOf, editTag);
}

template <class Dialog, class... Args>
std::string Run(HWND owner, const Args&... args) {
    Dialog dialog(args...);
    dialog.Create(owner);
    return dialog.ResultText();
}

}  // namespace

std::string RunCommandDialog(HWND owner, CommandDialogId id, int kind,
                             const std::string& editTag) {
    switch (id) {
    case CommandDialogId::WaitFor:
        return Run<WaitForDialog>(owner, FieldsFor(NewWaitForFields, WaitForFieldsOf,
                                                   WaitForValuesOf, kind, editTag));
    case CommandDialogId::SetDelay:
        return Run<SetDelayDialog>(owner, FieldsFor(NewSetDelayFields, SetDelayFieldsOf,
                                                    SetDelayValuesOf, kind, editTag));
    case CommandDialogId::RepeatOptions:
        return Run<RepeatOptionsDialog>(owner,
                                        FieldsFor(NewRepeatOptionsFields, RepeatOptionsFieldsOf,
                                                  RepeatOptionsValuesOf, kind, editTag));
    case CommandDialogId::ActivateLaunch:
        return Run<ActivateLaunchDialog>(
            owner, FieldsFor(NewActivateLaunchFields, ActivateLaunchFieldsOf,
                             ActivateLaunchValuesOf, kind, editTag));
    case CommandDialogId::SizeWindow:
        return Run<SizeWindowDialog>(owner, FieldsFor(NewSizeWindowFields, SizeWindowFieldsOf,
                                                      SizeWindowValuesOf, kind, editTag));
    case CommandDialogId::WindowControls:
        return Run<WindowControlsDialog>(
            owner, FieldsFor(NewWindowControlsFields, WindowControlsFieldsOf,
                             WindowControlsValuesOf, kind, editTag));
    case CommandDialogId::LoadMacroFile:
        return Run<LoadMacroFileDialog>(owner, EditedOr(NewLoadMacroFileFields(),
                                                        LoadMacroFileFieldsOf,
                                                        LoadMacroFileValuesOf, editTag));
    case CommandDialogId::MacroCommands: {
        // Opened without the program's macro store: the macros of the
        // program folder's macro file.
        Win32Files files;
        return Run<MacroCommandsDialog>(
            owner,
            FieldsFor(NewMacroCommandsFields, MacroCommandsFieldsOf, MacroCommandsValuesOf, kind,
                      editTag),
            MacroNamesInFile(files, ProgramFolder() + "\\KELDA.ZYN"));
    }
    case CommandDialogId::InstalledPrograms:
        return ChooseInstalledProgram(owner);
    case CommandDialogId::SetTitle:
    case CommandDialogId::SetProgram: {
        // The "tag" is the name set now; kind 2 runs the macro while the
        // window runs, any other only while it is on top.
        SetScopeFields fields;
        fields.Program = id == CommandDialogId::SetProgram;
        fields.Name = editTag;
        fields.OnTopOnly = kind != 2;
        return Run<SetScopeDialog>(owner, fields);
    }
    case CommandDialogId::FileManipulation:
        return Run<FileManipulationDialog>(
            owner, FieldsFor(NewFileManipulationFields, FileManipulationFieldsOf,
                             FileManipulationValuesOf, kind, editTag));
    case CommandDialogId::Clipboard:
        return Run<ClipboardDialog>(owner, FieldsFor(NewClipboardFields, ClipboardFieldsOf,
                                                     ClipboardValuesOf, kind, editTag));
    case CommandDialogId::WebSite:
    case CommandDialogId::WebFtp: {
        const bool ftp = id == CommandDialogId::WebFtp;
        return Run<WebAddressDialog>(owner,
                                     EditedOr(NewWebAddressFields(ftp), WebAddressFieldsOf,
                                              WebAddressValuesOf, editTag),
                                     ftp);
    }
    case CommandDialogId::OpenExplorer:
        return Run<OpenExplorerDialog>(owner, EditedOr(NewOpenExplorerFields(),
                                                       OpenExplorerFieldsOf,
                                                       OpenExplorerValuesOf, editTag));
    case CommandDialogId::VideoClip:
        return Run<PlayVideoDialog>(owner, FieldsFor(NewPlayVideoFields, PlayVideoFieldsOf,
                                                     PlayVideoValuesOf, kind, editTag));
    case CommandDialogId::AudioCd:
        return Run<AudioCdDialog>(owner, FieldsFor(NewAudioCdFields, AudioCdFieldsOf,
                                                   AudioCdValuesOf, kind, editTag));
    case CommandDialogId::SetSound:
        return Run<SetSoundDialog>(owner, FieldsFor(NewSetSoundFields, SetSoundFieldsOf,
                                                    SetSoundValuesOf, kind, editTag));
    case CommandDialogId::LoadTextFile:
        return Run<LoadTextFileDialog>(owner, EditedOr(NewLoadTextFileFields(),
                                                       LoadTextFileFieldsOf,
                                                       LoadTextFileValuesOf, editTag));
    case CommandDialogId::KeysUpOrDown:
        return Run<KeysUpDownDialog>(owner, FieldsFor(NewKeysUpDownFields, KeysUpDownFieldsOf,
                                                      KeysUpDownValuesOf, kind, editTag));
    case CommandDialogId::MouseCommands:
        return Run<MouseCommandsDialog>(
            owner, FieldsFor(NewMouseFields, MouseFieldsOf, MouseValuesOf, kind, editTag));
    case CommandDialogId::Speed:
        return Run<SpeedDialog>(
            owner, FieldsFor(NewSpeedFields, SpeedFieldsOf, SpeedValuesOf, kind, editTag));
    case CommandDialogId::PauseWindow:
        return Run<PauseWindowDialog>(
            owner, FieldsFor(NewPauseFields, PauseFieldsOf, PauseValuesOf, kind, editTag));
    case CommandDialogId::Remark:
        return Run<RemarkDialog>(owner,
                                 EditedOr(NewRemarkFields(), RemarkFieldsOf, RemarkValuesOf, editTag));
    case CommandDialogId::TextBox:
        // Its result text is the tag the callers build of the header and the
        // content.
        return Run<TextBoxCommandDialog>(
            owner, EditedOr(NewTextBoxFields(), TextBoxFieldsOf, TextBoxValuesOf, editTag));
    case CommandDialogId::EnterKeystrokes:
        // An edit opens on the line's text itself.
        return Run<EnterKeystrokesDialog>(owner, editTag);
    case CommandDialogId::Dates:
    case CommandDialogId::Times: {
        // kind: the format to select; a new command without one selects the first.
        const bool dates = id == CommandDialogId::Dates;
        return Run<DateTimeDialog>(
            owner, editTag.empty()
                       ? NewDateTimeFields(dates, kind != 0 ? kind : 1)
                       : DateTimeFieldsOf(dates, DateTimeValuesOf(dates, Recognise(editTag, 0))));
    }
    case CommandDialogId::AltKeypad:
        return Run<ValueDialog>(owner, ValueDialog::Mode::AltKeypad,
                                EditedOr(NewAltKeypadFields(), AltKeypadFieldsOf,
                                         AltKeypadValuesOf, editTag)
                                    .Number);
    case CommandDialogId::SchedulerFrequency: {
        // editTag: the interval in force, in seconds; else the settings' default.
        const int current = editTag.empty() ? Settings{}.TimerSeconds : NumberOrZero(editTag);
        return Run<ValueDialog>(owner, ValueDialog::Mode::SchedulerFrequency,
                                NewSchedulerFrequencyFields(current).Seconds);
    }
    case CommandDialogId::InsertSymbol:
        return Run<InsertSymbolDialog>(owner);
    case CommandDialogId::SearchReplace:
    case CommandDialogId::Find: {
        // editTag: the text last searched for. The result is the text to
        // find, and for a replacement a tab and the text to put in its place.
        const bool findOnly = id == CommandDialogId::Find;
        SearchDialog dialog(NewSearchFields(findOnly, editTag));
        dialog.Create(owner);
        if (findOnly || dialog.ResultText().empty()) return dialog.ResultText();
        return dialog.ResultText() + "\t" + dialog.Values().Replace;
    }
    case CommandDialogId::RebootShutDown:
        return Run<RebootDialog>(owner, FieldsFor(NewRebootFields, RebootFieldsOf, RebootValuesOf,
                                                  kind, editTag));
    case CommandDialogId::Desktop:
        return Run<DesktopDialog>(owner, FieldsFor(NewDesktopFields, DesktopFieldsOf,
                                                   DesktopValuesOf, kind, editTag));
    case CommandDialogId::SystemControls:
        return Run<SystemControlsDialog>(
            owner, FieldsFor(NewSystemControlsFields, SystemControlsFieldsOf,
                             SystemControlsValuesOf, kind, editTag));
    case CommandDialogId::SpeakerControls:
        return Run<SpeakerDialog>(owner, FieldsFor(NewSpeakerFields, SpeakerFieldsOf,
                                                   SpeakerValuesOf, kind, editTag));
    case CommandDialogId::ScreenSetting:
        return Run<ScreenSettingDialog>(owner, EditedOr(NewScreenSettingFields(),
                                                        ScreenSettingFieldsOf,
                                                        ScreenSettingValuesOf, editTag));
    case CommandDialogId::DefaultPrinter:
        return Run<DefaultPrinterDialog>(owner, EditedOr(NewDefaultPrinterFields(),
                                                         DefaultPrinterFieldsOf,
                                                         DefaultPrinterValuesOf, editTag));
    case CommandDialogId::NetworkDrive:
        return Run<NetworkDriveDialog>(owner, FieldsFor(NewNetworkDriveFields,
                                                        NetworkDriveFieldsOf,
                                                        NetworkDriveValuesOf, kind, editTag));
    case CommandDialogId::DialUp:
        return Run<DialUpDialog>(owner, FieldsFor(NewDialUpFields, DialUpFieldsOf,
                                                  DialUpValuesOf, kind, editTag));
    default:
        return "";
    }
}

}  // namespace tavrin
