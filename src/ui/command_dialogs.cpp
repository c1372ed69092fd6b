#include "ui/command_dialogs.h"

#include "language/tag_recogniser.h"
#include "ui/keys_up_down_dialog.h"
#include "ui/mouse_commands_dialog.h"
#include "ui/pause_window_dialog.h"
#include "ui/remark_dialog.h"
#include "ui/speed_dialog.h"
#include "ui/text_box_command_dialog.h"

namespace tavrin {
namespace {

// The dialog made from its fields, shown over owner; its result text.
template <class Dialog, class Fields>
std::string Run(HWND owner, const Fields& fields) {
    Dialog dialog(fields);
    dialog.Create(owner);
    return dialog.ResultText();
}

// The fields of a new command, with the caller's choice when it gives one,
// or of the edit of a tag.
template <class Fields, class Values>
Fields FieldsFor(Fields (*newFields)(), Fields (*fieldsOf)(const Values&),
                 Values (*valuesOf)(const TagMatch&), int kind, const std::string& editTag) {
    if (!editTag.empty()) return fieldsOf(valuesOf(Recognise(editTag, 0)));
    Fields fields = newFields();
    if (kind != 0) fields.Kind = kind;
    return fields;
}

}  // namespace

std::string RunCommandDialog(HWND owner, CommandDialogId id, int kind,
                             const std::string& editTag) {
    switch (id) {
        case CommandDialogId::KeysUpOrDown:
            return Run<KeysUpDownDialog>(
                owner, FieldsFor(NewKeysUpDownFields, KeysUpDownFieldsOf, KeysUpDownValuesOf,
                                 kind, editTag));
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
            return Run<RemarkDialog>(owner, editTag.empty()
                                                ? NewRemarkFields()
                                                : RemarkFieldsOf(RemarkValuesOf(
                                                      Recognise(editTag, 0))));
        case CommandDialogId::TextBox:
            // Its result text is the tag the callers build of the header and
            // the content.
            return Run<TextBoxCommandDialog>(owner, editTag.empty()
                                                        ? NewTextBoxFields()
                                                        : TextBoxFieldsOf(TextBoxValuesOf(
                                                              Recognise(editTag, 0))));
        default:
            break;
    }
    return "";
}

}  // namespace tavrin
