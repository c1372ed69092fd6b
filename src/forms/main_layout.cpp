#include "forms/main_layout.h"

#include <algorithm>

namespace tavrin {

namespace {
LayoutRect Rect(int left, int top, int width, int height) {
    return {left, top, std::max(width, 0), std::max(height, 0)};
}
}  // namespace

MainLayout MainLayoutFor(int clientWidth, int clientHeight, int displayWidth, int displayHeight,
                      bool useSpeed) {
    MainLayout layout;
    layout.page = Rect(2, 2, clientWidth - 4, clientHeight - 4);
    if (useSpeed) {
        layout.list = Rect(2, 35, displayWidth - 4, displayHeight - 37);
    } else {
        layout.list = Rect(2, 1, displayWidth - 171, displayHeight - 2);
        layout.panel = Rect(displayWidth - 161, 1, kLetterPanelWidth, displayHeight - 2);
    }
    return layout;
}

}  // namespace tavrin
