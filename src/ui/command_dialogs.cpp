#include "ui/command_dialogs.h"

#include "forms/activate_launch_form.h"
#include "forms/load_macro_file_form.h"
#include "forms/macro_commands_form.h"
#include "forms/set_scope_form.h"
#include "forms/size_window_form.h"
#include "forms/window_controls_form.h"
#include "language/tag_recogniser.h"
#include "platform/win32/win32_files.h"
#include "ui/activate_launch_dialog.h"
#include "ui/installed_programs.h"
#include "ui/load_macro_file_dialog.h"
#include "ui/macro_commands_dialog.h"
#include "ui/program_folder.h"
#include "ui/repeat_options_dialog.h"
#include "ui/set_delay_dialog.h"
#include "ui/set_scope_dialog.h"
#include "ui/size_window_dialog.h"
#include "ui/wait_for_dialog.h"
#include "ui/window_controls_dialog.h"

namespace tavrin {
namespace {

// The fields of a dialog: a new command's, with the caller's choice when it
// gives one, or an edited tag's.
template <class Fields, class Values>
Fields FieldsFor(Fields (*newFields)(), Fields (*fieldsOf)(const Values&),
                 Values (*valuesOf)(const TagMatch&), int kind, const std::string& editTag) {
    if (!editTag.empty()) return fieldsOf(valuesOf(Recognise(editTag, 0)));
    Fields fields = newFields();
    if (kind != 0) fields.Kind = kind;
    return fields;
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
        return Run<LoadMacroFileDialog>(
            owner, editTag.empty()
                       ? NewLoadMacroFileFields()
                       : LoadMacroFileFieldsOf(LoadMacroFileValuesOf(Recognise(editTag, 0))));
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
    default:
        return "";
    }
}

}  // namespace tavrin
