#include "forms/sort_order_form.h"

#include <utility>

namespace tavrin {

namespace {

// The digits 1..n in the order value gives them: each digit of value that
// is in range and not seen yet, then the ones it lacks, in order.
std::string Arrangement(const std::string& value, size_t n) {
    std::string order;
    for (char c : value) {
        if (c >= '1' && c < static_cast<char>('1' + n) && order.find(c) == std::string::npos)
            order += c;
    }
    for (size_t d = 0; d < n; ++d) {
        const char c = static_cast<char>('1' + d);
        if (order.find(c) == std::string::npos) order += c;
    }
    return order;
}

}  // namespace

SortList::SortList(std::vector<std::string> captions, const std::string& digits)
    : captions_(std::move(captions)), order_(Arrangement(digits, captions_.size())) {}

std::vector<std::string> SortList::Shown() const {
    std::vector<std::string> shown;
    for (char c : order_) shown.push_back(captions_[c - '1']);
    return shown;
}

int SortList::MoveUp(int selected) {
    if (!CanMoveUp(selected)) return selected;
    std::swap(order_[selected], order_[selected - 1]);
    return selected - 1;
}

int SortList::MoveDown(int selected) {
    if (!CanMoveDown(selected)) return selected;
    std::swap(order_[selected], order_[selected + 1]);
    return selected + 1;
}

std::string SortList::Digits() const { return order_; }

SortOrderForm::SortOrderForm(const Settings& s)
    : primary({"Activation", "Nickname", "Scope"}, s.PrimarySort),
      activation({"Hot Key", "Quillet", "Timed Macro", "None", "Window Title"}, s.ActivationSort),
      scope({"Global", "Specific Window", "Specific Program", "PopUp Menu", "System"}, s.ScopeSort),
      sortHeader(s.SortHeader) {}

void SortOrderForm::Store(Settings& s) const {
    s.PrimarySort = primary.Digits();
    s.ActivationSort = activation.Digits();
    s.ScopeSort = scope.Digits();
    s.SortHeader = sortHeader;
}

}  // namespace tavrin
