#include "forms/character_layout.h"

namespace tavrin {

int CellColumn(const CharacterLayout& layout, int cell) {
    return layout.DownColumns ? cell / layout.Rows : cell % layout.Columns;
}

int CellRow(const CharacterLayout& layout, int cell) {
    return layout.DownColumns ? cell % layout.Rows : cell / layout.Columns;
}

int CellAt(const CharacterLayout& layout, int column, int row) {
    if (column < 0 || column >= layout.Columns || row < 0 || row >= layout.Rows) return -1;
    return layout.DownColumns ? column * layout.Rows + row : row * layout.Columns + column;
}

std::string CellText(const CharacterLayout& layout, int cell) {
    if (cell < 0 || cell >= LayoutCells(layout)) return "";
    return std::string(1, static_cast<char>(layout.First + cell));
}

}  // namespace tavrin
