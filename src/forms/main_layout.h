#pragma once
// Where the main window's parts go as it is resized (MainLayoutFor), in
// pixels at 96 dots per inch; the caller scales them.
namespace tavrin {

struct LayoutRect {
    int left = 0, top = 0, width = 0, height = 0;
};

struct MainLayout {
    LayoutRect page;   // the page control, in the client area
    LayoutRect list;   // the macro list, in the page's display area
    LayoutRect panel;  // the lettered-button panel, in the page's display area
};

constexpr int kLetterPanelWidth = 155;

// The page control fills the client area less 4 pixels each way. With speed
// buttons the list is 4 pixels narrower than the page's display area,
// starts 35 pixels down (below the buttons) and is 37 pixels shorter; with
// lettered buttons it is 171 pixels narrower, starts 1 pixel down, is 2
// pixels shorter, and the panel sits 161 pixels left of the right edge.
// Sizes never go below 0.
MainLayout MainLayoutFor(int clientWidth, int clientHeight, int displayWidth, int displayHeight,
                      bool useSpeed);

}  // namespace tavrin
