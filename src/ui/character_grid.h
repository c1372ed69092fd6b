#pragma once
// A grid of characters, one of them selected: by default that of "Select
// Character" (characters 32 .. 255 in 28 columns and 8 rows), or another
// layout set by kGridSetLayout. A click, the arrow keys or typing a
// character selects a cell; a double click chooses it. The parent hears of
// both by WM_COMMAND with the notification codes below.
#include <windows.h>

#include "forms/character_layout.h"

namespace tavrin {

inline constexpr char kCharacterGridClass[] = "TavrinCharacterGrid";
constexpr UINT kGridSetCell = WM_USER + 1;  // wParam: the cell to select
constexpr UINT kGridGetCell = WM_USER + 2;  // returns the selected cell
// lParam: the CharacterLayout, which the grid copies; selects cell 0.
constexpr UINT kGridSetLayout = WM_USER + 3;
constexpr WORD kGridSelected = 1;
constexpr WORD kGridChosen = 2;

// Once, before a dialog holding a grid is created.
void RegisterCharacterGrid(HINSTANCE instance);

}  // namespace tavrin
