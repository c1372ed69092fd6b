#pragma once
// The answer to a list view's NM_CUSTOMDRAW: the list is asked for each row
// and, when the caller draws cells, for each cell of it.
#include <windows.h>

#include <commctrl.h>

#include <functional>

namespace tavrin {

// Called at each row's stage; returns what the list is told (CDRF_...).
using RowDraw = std::function<LRESULT(NMLVCUSTOMDRAW& draw, int row)>;
// Called at each cell's stage with its row and column.
using CellDraw = std::function<LRESULT(NMLVCUSTOMDRAW& draw, int row, int column)>;

// Runs the stages: with onRow the rows are drawn by it and no cells are
// asked for; with onCell each cell is. Returns what NM_CUSTOMDRAW returns.
LRESULT ListCustomDraw(NMLVCUSTOMDRAW& draw, const RowDraw& onRow, const CellDraw& onCell);

}  // namespace tavrin
