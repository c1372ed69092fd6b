#pragma once
// "Dates" and "Times": the date or time formats in an owner-drawn list,
// each code with its example, bound to the model of forms/date_time_form.h.
#include "forms/date_time_form.h"
#include "ui/command_dialog.h"

namespace tavrin {

class DateTimeDialog : public CommandDialog {
public:
    explicit DateTimeDialog(const DateTimeFields& fields);

private:
    bool OnInit() override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    void DrawRow(const DRAWITEMSTRUCT& item) const;

    DateTimeFields fields_;
};

}  // namespace tavrin
