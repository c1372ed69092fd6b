#pragma once
// The texts of the macro list's columns.
#include <string>

#include "store/macro_store.h"

namespace tavrin {

std::string ActivationText(const MacroStore& store, int n);
std::string ScopeText(const MacroStore& store, int n);

}  // namespace tavrin
