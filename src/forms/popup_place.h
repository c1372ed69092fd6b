#pragma once
// Where a small window opened for a row of a list goes: beside that row,
// wholly on the work area.
#include "triggers/macro_menu.h"

namespace tavrin {

// Just below the row, its left edge at the row's left; above the row when it
// would run off the bottom of the work area. Moved left or right to stay on
// the work area; one too small for the window shows the window's top left.
ScreenRect PlaceBesideRow(const ScreenRect& row, int width, int height, const ScreenRect& workArea);

}  // namespace tavrin
