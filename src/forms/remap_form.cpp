#include "forms/remap_form.h"

namespace tavrin {

std::string RemapCellText(uint8_t c) {
    return c == 0 ? "none" : std::string(1, static_cast<char>(c));
}

int CharacterCell(uint8_t c) { return c < 32 ? 0 : c - 32; }

uint8_t CellCharacter(int cell) {
    return cell >= 0 && cell < kCharacterCells ? static_cast<uint8_t>(32 + cell) : 32;
}

void RemapForm::Set(size_t position, uint8_t c) {
    if (position >= tables_.size() || tables_[position] == c) return;
    tables_[position] = c;
    changed_ = true;
}

}  // namespace tavrin
