#pragma once
// How a grid of characters is laid out: so many columns and rows, cell 0
// holding the first character and each next cell the next character, the
// cells running along each row or down each column.
#include <string>

namespace tavrin {

struct CharacterLayout {
    int Columns;
    int Rows;
    int First;         // the character of cell 0
    bool DownColumns;  // cell 1 is below cell 0, else beside it
};

// "Insert Symbol": characters 128 to 255 in 16 columns and 8 rows, column c
// and row r holding 128 + 8 c + r.
inline constexpr CharacterLayout kInsertSymbolLayout{16, 8, 128, true};

inline int LayoutCells(const CharacterLayout& layout) { return layout.Columns * layout.Rows; }
int CellColumn(const CharacterLayout& layout, int cell);
int CellRow(const CharacterLayout& layout, int cell);
// The cell at column and row, -1 outside the grid.
int CellAt(const CharacterLayout& layout, int column, int row);
// The character of a cell as a one-character text; empty outside the grid.
std::string CellText(const CharacterLayout& layout, int cell);

}  // namespace tavrin
