#include "ui/command_dialog.h"

#include <algorithm>
#include <climits>

namespace tavrin {
namespace {

constexpr int kGap = 7;  // dialog units between the last panel, the buttons and the edge

}  // namespace

RECT CommandDialog::ItemRect(int id) const {
    RECT r{};
    GetWindowRect(Item(id), &r);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool CommandDialog::ShowRefusal(const Refusal& refusal, int focusId) {
    if (refusal.Question) {
        if (MessageBoxA(Handle(), refusal.Message.c_str(), "Error", MB_YESNO | MB_ICONQUESTION) ==
            IDYES)
            return true;
        SendMessageA(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(focusId)), TRUE);
        return false;
    }
    ShowFailure("Error", refusal.Message, focusId);
    return false;
}

void CommandDialog::Accept(const std::string& text) {
    result_ = text;
    End(IDOK);
}

void CommandDialog::ShowItems(std::initializer_list<int> ids, bool shown) {
    for (int id : ids) ShowWindow(Item(id), shown ? SW_SHOWNA : SW_HIDE);
}

void CommandDialog::PlaceItemsAt(std::initializer_list<int> ids, int top) {
    RECT to = {0, top, 0, 0};
    MapDialogRect(Handle(), &to);
    int highest = INT_MAX;
    for (int id : ids) highest = std::min<int>(highest, ItemRect(id).top);
    for (int id : ids) {
        const RECT r = ItemRect(id);
        SetWindowPos(Item(id), nullptr, r.left, r.top - highest + to.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER);
    }
}

void CommandDialog::PlaceButtonsBelow(int below, std::initializer_list<int> buttons) {
    RECT gap = {0, 0, 0, kGap};
    MapDialogRect(Handle(), &gap);
    const int top = ItemRect(below).bottom + gap.bottom;
    int height = 0;
    for (int id : buttons) {
        const RECT r = ItemRect(id);
        height = r.bottom - r.top;
        SetWindowPos(Item(id), nullptr, r.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    RECT client{};
    GetClientRect(Handle(), &client);
    RECT frame{};
    GetWindowRect(Handle(), &frame);
    const int extra = (frame.bottom - frame.top) - client.bottom;
    SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left,
                 top + height + gap.bottom + extra, SWP_NOMOVE | SWP_NOZORDER);
}

void CommandDialog::CentreOnScreen() {
    RECT frame{};
    GetWindowRect(Handle(), &frame);
    SetWindowPos(Handle(), nullptr,
                 (GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
}

}  // namespace tavrin
