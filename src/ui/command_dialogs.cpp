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
#include "ui/set_scope_dialog.h"
#include "ui/size_window_dialog.h"
#include "ui/window_controls_dialog.h"

namespace tavrin {

std::string RunCommandDialog(HWND owner, CommandDialogId id, int kind,
                             const std::string& editTag) {
    const bool isNew = editTag.empty();
    switch (id) {
    case CommandDialogId::ActivateLaunch: {
        ActivateLaunchFields fields =
            isNew ? NewActivateLaunchFields()
                  : ActivateLaunchFieldsOf(ActivateLaunchValuesOf(Recognise(editTag, 0)));
        if (isNew && kind != 0) fields.Kind = kind;
        ActivateLaunchDialog dialog(fields);
        dialog.Create(owner);
        return dialog.ResultText();
    }
    case CommandDialogId::SizeWindow: {
        SizeWindowFields fields =
            isNew ? NewSizeWindowFields()
                  : SizeWindowFieldsOf(SizeWindowValuesOf(Recognise(editTag, 0)));
        if (isNew && kind != 0) fields.Kind = kind;
        SizeWindowDialog dialog(fields);
        dialog.Create(owner);
        return dialog.ResultText();
    }
    case CommandDialogId::WindowControls: {
        WindowControlsFields fields =
            isNew ? NewWindowControlsFields()
                  : WindowControlsFieldsOf(WindowControlsValuesOf(Recognise(editTag, 0)));
        if (isNew && kind != 0) fields.Kind = kind;
        WindowControlsDialog dialog(fields);
        dialog.Create(owner);
        return dialog.ResultText();
    }
    case CommandDialogId::LoadMacroFile: {
        LoadMacroFileDialog dialog(
            isNew ? NewLoadMacroFileFields()
                  : LoadMacroFileFieldsOf(LoadMacroFileValuesOf(Recognise(editTag, 0))));
        dialog.Create(owner);
        return dialog.ResultText();
    }
    case CommandDialogId::MacroCommands: {
        MacroCommandsFields fields =
            isNew ? NewMacroCommandsFields()
                  : MacroCommandsFieldsOf(MacroCommandsValuesOf(Recognise(editTag, 0)));
        if (isNew && kind != 0) fields.Kind = kind;
        // Opened without the program's macro store: the macros of the
        // program folder's macro file.
        Win32Files files;
        MacroCommandsDialog dialog(fields,
                                   MacroNamesInFile(files, ProgramFolder() + "\\KELDA.ZYN"));
        dialog.Create(owner);
        return dialog.ResultText();
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
        SetScopeDialog dialog(fields);
        dialog.Create(owner);
        return dialog.ResultText();
    }
    default:
        break;
    }
    return "";
}

}  // namespace tavrin
