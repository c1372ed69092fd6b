#include "ui/command_dialogs.h"

#include "language/tag_recogniser.h"
#include "ui/repeat_options_dialog.h"
#include "ui/set_delay_dialog.h"
#include "ui/wait_for_dialog.h"

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

template <class Dialog, class Fields>
std::string Run(HWND owner, const Fields& fields) {
    Dialog dialog(fields);
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
    default:
        return "";
    }
}

}  // namespace tavrin
