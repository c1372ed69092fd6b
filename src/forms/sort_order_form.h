#pragma once
// "Sort Order": three lists the user puts in order with up and
// down buttons, for "Primary Sort", "Activation Sort" and "Scope Sort",
// and "Sort Header".
#include <array>
#include <string>
#include <vector>

#include "store/settings.h"

namespace tavrin {

// One ordered list: the digits of its items in the order shown.
class SortList {
public:
    SortList(std::vector<std::string> captions, const std::string& digits);
    // The captions in the order shown.
    std::vector<std::string> Shown() const;
    // Up is disabled on the first item, down on the last, both with no
    // item selected (selected -1).
    bool CanMoveUp(int selected) const { return selected > 0 && selected < Size(); }
    bool CanMoveDown(int selected) const { return selected >= 0 && selected + 1 < Size(); }
    // Moves the selected item; returns its new position.
    int MoveUp(int selected);
    int MoveDown(int selected);
    std::string Digits() const;
    int Size() const { return static_cast<int>(order_.size()); }

private:
    std::vector<std::string> captions_;  // by digit, "1" first
    std::string order_;                  // the digits as shown
};

struct SortOrderForm {
    explicit SortOrderForm(const Settings& s);
    // "&Ok": the three digit strings and "Sort Header" into s.
    void Store(Settings& s) const;

    SortList primary;     // "Activation", "Nickname", "Scope"
    SortList activation;  // "Hot Key", "Quillet", "Timed Macro", "None", "Window Title"
    SortList scope;       // "Global", "Specific Window", "Specific Program", "PopUp Menu", "System"
    bool sortHeader;
};

}  // namespace tavrin
