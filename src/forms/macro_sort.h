#pragma once
// The order of the macro list: each macro's sort key from "Primary Sort",
// "Activation Sort" and "Scope Sort", and the rows sorted by it.
#include <string>
#include <vector>

#include "store/macro_store.h"
#include "store/settings.h"

namespace tavrin {

// The key of macro n: its activation, nickname and scope components in the
// order "Primary Sort" names them, each kind and scope behind the place
// marker of its position in "Activation Sort" or "Scope Sort".
std::string SortKey(const MacroStore& store, int n, const Settings& s);

// RowMacro: the macro number of each row, row 1 first, ordered by the keys
// (macros with equal keys keep their file order).
std::vector<int> FillList(const MacroStore& store, const Settings& s);

// Right click on the title of a list column: the "Primary Sort" that title
// asks for ("132" Activation, "213" Nickname, "321" Scope); empty for any
// other column. columnTitle is the column's title.
std::string PrimarySortForTitle(const std::string& columnTitle);

}  // namespace tavrin
