#pragma once
// How a macro's trigger and scope read in the macro list's columns and in
// the popup menus.
#include <string>

#include "store/macro_store.h"

namespace tavrin {

std::string ActivationText(const MacroStore& store, int n);
std::string ScopeText(const MacroStore& store, int n);

}  // namespace tavrin
