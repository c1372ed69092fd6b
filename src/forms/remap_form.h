#pragma once
// The keyboard remapper dialog's model: the four groups of the tables with
// their default and current characters, the character grid of "Select
// Character", and whether anything changed.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/remap_tables.h"
#include "forms/character_layout.h"

namespace tavrin {

// How a table byte is shown: the character, or "none" for 0.
std::string RemapCellText(uint8_t c);

// "Select Character": characters 32 .. 255 in 28 columns and 8 rows, cell
// r, c holding 32 + 28 r + c.
constexpr int kCharacterColumns = 28;
constexpr int kCharacterRows = 8;
constexpr int kCharacterCells = kCharacterColumns * kCharacterRows;
inline constexpr CharacterLayout kSelectCharacterLayout{kCharacterColumns, kCharacterRows, 32, false};
// The cell of a character; 0 (and anything below 32) selects the first.
int CharacterCell(uint8_t c);
uint8_t CellCharacter(int cell);

class RemapForm {
public:
    explicit RemapForm(const RemapTables& tables) : tables_(tables) {}
    const RemapTables& Tables() const { return tables_; }
    // The table position of row `row` of group `group` (0 .. 3 as in
    // kRemapGroups).
    static size_t Position(size_t group, size_t row) { return kRemapGroups[group].offset + row; }
    uint8_t At(size_t position) const { return tables_[position]; }
    void Set(size_t position, uint8_t c);
    bool Changed() const { return changed_; }

private:
    RemapTables tables_;
    bool changed_ = false;
};

}  // namespace tavrin
