#include "ui/command_dialogs.h"

#include "forms/command_fields.h"
#include "forms/date_time_form.h"
#include "forms/search_form.h"
#include "forms/value_form.h"
#include "language/tag_recogniser.h"
#include "store/settings.h"
#include "ui/date_time_dialog.h"
#include "ui/enter_keystrokes_dialog.h"
#include "ui/insert_symbol_dialog.h"
#include "ui/search_dialog.h"
#include "ui/value_dialog.h"

namespace tavrin {

std::string RunCommandDialog(HWND owner, CommandDialogId id, int kind,
                             const std::string& editTag) {
    switch (id) {
    case CommandDialogId::EnterKeystrokes: {
        // An edit opens on the line's text itself.
        EnterKeystrokesDialog dialog(editTag);
        dialog.Create(owner);
        return dialog.ResultText();
    }
    case CommandDialogId::Dates:
    case CommandDialogId::Times: {
        // kind: the format to select; a new command without one selects the first.
        const bool dates = id == CommandDialogId::Dates;
        DateTimeDialog dialog(editTag.empty() ? NewDateTimeFields(dates, kind != 0 ? kind : 1)
                                              : DateTimeFieldsOf(dates, DateTimeValuesOf(
                                                                            dates, Recognise(editTag, 0))));
        dialog.Create(owner);
        return dialog.ResultText();
    }
    case CommandDialogId::AltKeypad: {
        ValueDialog dialog(ValueDialog::Mode::AltKeypad,
                           editTag.empty()
                               ? NewAltKeypadFields().Number
                               : AltKeypadFieldsOf(AltKeypadValuesOf(Recognise(editTag, 0))).Number);
        dialog.Create(owner);
        return dialog.ResultText();
    }
    case CommandDialogId::SchedulerFrequency: {
        // editTag: the interval in force, in seconds; else the settings' default.
        const int current = editTag.empty() ? Settings{}.TimerSeconds : NumberOrZero(editTag);
        ValueDialog dialog(ValueDialog::Mode::SchedulerFrequency,
                           NewSchedulerFrequencyFields(current).Seconds);
        dialog.Create(owner);
        return dialog.ResultText();
    }
    case CommandDialogId::InsertSymbol: {
        InsertSymbolDialog dialog;
        dialog.Create(owner);
        return dialog.ResultText();
    }
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
    default:
        break;
    }
    return "";
}

}  // namespace tavrin
