#pragma once
// Shows no window: records each menu asked for and answers with the member
// the test picked (by row), or -1.
#include <functional>
#include <vector>

#include "triggers/menu_window.h"

namespace tavrin {

class FakeMenuWindow : public MenuWindow {
public:
    std::vector<MenuRequest> shown;
    // The row chosen in each menu, in order; -1 cancels. Past the end: -1.
    std::vector<int> choices;
    std::function<void()> whileOpen;

    int ChooseMacro(const MenuRequest& request) override {
        shown.push_back(request);
        if (whileOpen) whileOpen();
        const size_t k = shown.size() - 1;
        const int row = k < choices.size() ? choices[k] : -1;
        return row >= 0 && row < static_cast<int>(request.rows.size()) ? request.rows[row].macro
                                                                         : -1;
    }
};

}  // namespace tavrin
