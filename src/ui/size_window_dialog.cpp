#include "ui/size_window_dialog.h"

#include "ui/size_window_dialog_res.h"

namespace tavrin {
namespace {

constexpr int kKinds[] = {kSizeResize, kSizePosition};
// Indexed by SizeWindowField.
constexpr int kFieldIds[] = {0, kSizeTitle, kSizeFirst, kSizeSecond};

}  // namespace

SizeWindowDialog::SizeWindowDialog(const SizeWindowFields& fields)
    : CommandDialog(kSizeWindowDialog, "Size or Position"), fields_(fields) {}

bool SizeWindowDialog::OnInit() {
    SetChecked(fields_.CurrentWindow ? kSizeCurrent : kSizeSpecific, true);
    if (fields_.Kind >= 1 && fields_.Kind <= 2) SetChecked(kKinds[fields_.Kind - 1], true);
    SetItemText(kSizeTitle, fields_.Title);
    SetItemText(kSizeFirst, fields_.First);
    SetItemText(kSizeSecond, fields_.Second);
    Lay();
    return true;
}

bool SizeWindowDialog::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    if (id != kSizeCurrent && id != kSizeSpecific && id != kSizeResize && id != kSizePosition)
        return false;
    Lay();
    return true;
}

void SizeWindowDialog::Lay() {
    EnableItem(kSizeTitle, !IsChecked(kSizeCurrent));
    const bool position = IsChecked(kSizePosition);
    SetItemText(kSizeFirstLabel, position ? "Left" : "Width");
    SetItemText(kSizeSecondLabel, position ? "Top" : "Height");
    LimitText(kSizeFirst, position ? kPositionChars : kSizeChars);
    LimitText(kSizeSecond, position ? kPositionChars : kSizeChars);
}

void SizeWindowDialog::OnOK() {
    fields_.Kind = CheckedOf(kKinds, 0);
    fields_.CurrentWindow = IsChecked(kSizeCurrent);
    fields_.Title = ItemText(kSizeTitle);
    fields_.First = ItemText(kSizeFirst);
    fields_.Second = ItemText(kSizeSecond);
    const auto answer = AcceptSizeWindow(fields_);
    if (!answer.Ok()) {
        ShowRefusal(answer.Refused, kFieldIds[answer.Refused.Field]);
        return;
    }
    Accept(answer.Text);
}

}  // namespace tavrin
