#pragma once
// "Set Title" and "Set Program": the window title or program name a macro
// is bound to, typed or taken from the windows or programs running now, and
// whether the macro runs only while that window is on top.
#include <cstddef>
#include <string>

#include "forms/command_fields.h"

namespace tavrin {

constexpr size_t kScopeNameChars = 20;

enum SetScopeField { kScopeNameField = 1 };

struct SetScopeValues {
    std::string Name;
    bool OnTopOnly = false;  // "&Run Macro If ... On Top", else "R&un Macro If ... Running"
};

struct SetScopeFields {
    bool Program = false;  // "Set Program", else "Set Title"
    std::string Name;
    std::string Highlighted;  // the list entry selected; empty when none is
    bool OnTopOnly = false;
};

// Which running windows and programs the list shows: windows with a title
// that is not blank; programs whose name holds ".EXE" (in any case) and does
// not begin with "?".
bool ListsWindowTitle(const std::string& title);
bool ListsProgramName(const std::string& name);

// What a list entry puts into the field: its first 20 characters.
std::string ScopeNameOfEntry(const std::string& entry);

// With an empty field and an entry highlighted, a question; Yes puts the
// entry into the field and asks again.
CommandAnswer<SetScopeValues> AcceptSetScope(const SetScopeFields& fields);

}  // namespace tavrin
