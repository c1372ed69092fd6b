#include "triggers/scope_match.h"

#include "language/ansi_text.h"
#include "store/macro_record.h"
#include "triggers/front_program.h"

namespace tavrin {

ScopeTarget MakeScopeTarget(const std::string& title, const std::string& program) {
    return {UpperCase(title), UpperCase(program)};
}

// The program is not taken from the table's FrontProgram: that is written
// only when message 0x407 is handled, and the hook library posts it from an
// asynchronous foreground event or its 250 ms check. A hot key or a Quillet
// that comes just after another window came to the front (or after a macro
// brought one forward) can be handled before it, and the cached name would
// then be the previous window's while the title read here is the new one's.
// Asked now, the program is always that of the window whose title is matched.
ScopeTarget ScopeTargetOf(Desktop& desktop, WindowId window, const MacroTable& table,
                          const std::vector<int>& macros) {
    bool programScoped = false;
    for (int n : macros) programScoped = programScoped || table.ScopeOf(n) == kScopeProgram;
    return MakeScopeTarget(desktop.Title(window),
                           programScoped ? ProgramOfWindow(desktop, window) : "");
}

bool InWindowScope(const MacroTable& t, int n, const ScopeTarget& target) {
    return t.ScopeOf(n) == kScopeWindow && Contains(target.title, UpperCase(t.ScopeNameOf(n)));
}

bool InProgramScope(const MacroTable& t, int n, const ScopeTarget& target) {
    return t.ScopeOf(n) == kScopeProgram && Contains(target.program, UpperCase(t.ScopeNameOf(n)));
}

}  // namespace tavrin
