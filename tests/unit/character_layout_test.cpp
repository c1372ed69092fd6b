#include "forms/character_layout.h"

#include <gtest/gtest.h>

#include "forms/remap_form.h"

namespace tavrin {
namespace {

TEST(CharacterLayoutTest, CellsRunDownTheColumnsOrAlongTheRows) {
    struct Case {
        const CharacterLayout* layout;
        int column;
        int row;
        int character;
    };
    const Case cases[] = {
        {&kInsertSymbolLayout, 0, 0, 128},  {&kInsertSymbolLayout, 0, 1, 129},
        {&kInsertSymbolLayout, 1, 0, 136},  {&kInsertSymbolLayout, 3, 5, 128 + 8 * 3 + 5},
        {&kInsertSymbolLayout, 15, 7, 255}, {&kSelectCharacterLayout, 0, 0, 32},
        {&kSelectCharacterLayout, 1, 0, 33}, {&kSelectCharacterLayout, 3, 2, 32 + 28 * 2 + 3},
        {&kSelectCharacterLayout, 27, 7, 255},
    };
    for (const Case& c : cases) {
        const int cell = CellAt(*c.layout, c.column, c.row);
        EXPECT_EQ(c.layout->First + cell, c.character) << c.column << "," << c.row;
        EXPECT_EQ(CellColumn(*c.layout, cell), c.column);
        EXPECT_EQ(CellRow(*c.layout, cell), c.row);
        EXPECT_EQ(CellText(*c.layout, cell), std::string(1, static_cast<char>(c.character)));
    }
    EXPECT_EQ(LayoutCells(kInsertSymbolLayout), 128);
    EXPECT_EQ(CellAt(kInsertSymbolLayout, 16, 0), -1);
    EXPECT_EQ(CellAt(kInsertSymbolLayout, 0, 8), -1);
    EXPECT_EQ(CellAt(kInsertSymbolLayout, -1, 0), -1);
    EXPECT_EQ(CellText(kInsertSymbolLayout, 128), "");
    EXPECT_EQ(CellText(kInsertSymbolLayout, -1), "");
}

}  // namespace
}  // namespace tavrin
