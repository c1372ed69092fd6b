#pragma once
// The screen's dots per inch. Sizes kept in the settings (the main window's
// width and height, the column widths) are at 96 dots per inch and grow
// with the screen's, so the window keeps its look on a finer screen.
namespace tavrin {

int ScreenDpi();
// A size at 96 dots per inch on the screen, and back.
int ToScreen(int size);
int FromScreen(int size);

}  // namespace tavrin
