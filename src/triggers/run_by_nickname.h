#pragma once
#include <string>

#include "store/macro_store.h"

namespace tavrin {

// The first macro whose nickname, in upper case, equals upperNickname; 0 if
// none.
int FindMacroByNickname(const MacroStore& store, const std::string& upperNickname);

}  // namespace tavrin
