#pragma once
// "Macro Commands": run, delete, activate or deactivate (kinds 1 to 4) a
// macro named by its nickname, typed or taken from the list of nicknames.
#include <string>
#include <vector>

#include "forms/command_fields.h"
#include "language/tag_recogniser.h"

namespace tavrin {

class Files;

enum MacroCommandsField { kNicknameField = 1 };

// A macro of the table, as the list of nicknames sees it.
struct MacroName {
    std::string Nickname;
    int Scope = 0;
};

// The nicknames the list shows, in table order: those of every macro that
// is not a system macro and whose nickname is not blank.
std::vector<std::string> ListedNicknames(const std::vector<MacroName>& macros);

// The macros of a macro file, read from its records (at most the 500 the
// table holds); none when the file cannot be opened.
std::vector<MacroName> MacroNamesInFile(Files& files, const std::string& path);

struct MacroCommandsValues {
    int Kind = 0;
    std::string Nickname;
};

struct MacroCommandsFields {
    int Kind = 0;
    std::string Nickname;
    std::string Highlighted;  // the list entry selected; empty when none is
};

MacroCommandsFields NewMacroCommandsFields();
MacroCommandsFields MacroCommandsFieldsOf(const MacroCommandsValues& values);
MacroCommandsValues MacroCommandsValuesOf(const TagMatch& match);
// With an empty field and an entry highlighted, a question; Yes puts the
// entry into the field and asks again.
CommandAnswer<MacroCommandsValues> AcceptMacroCommands(const MacroCommandsFields& fields);

}  // namespace tavrin
