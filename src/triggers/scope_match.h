#pragma once
// Matching the Window and Program scopes of macros against a window.
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "base/macro_table.h"

namespace tavrin {

// What the scopes are matched against: a window's title and the file name of
// its program, both in upper case.
struct ScopeTarget {
    std::string title;
    std::string program;
};

ScopeTarget MakeScopeTarget(const std::string& title, const std::string& program);

// The target of a window for the macros given. Its program is asked of the
// system now, and only when one of those macros has a Program scope: that
// takes a list of every process, too slow for every hot key.
ScopeTarget ScopeTargetOf(Desktop& desktop, WindowId window, const MacroTable& table,
                          const std::vector<int>& macros);

// Whether macro n has a Window scope whose text is in the target's title.
bool InWindowScope(const MacroTable& table, int n, const ScopeTarget& target);
// Whether macro n has a Program scope whose text is in the target's program.
bool InProgramScope(const MacroTable& table, int n, const ScopeTarget& target);

}  // namespace tavrin
