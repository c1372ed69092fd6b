#pragma once
// "Dial-Up Networking": dialling a phone book entry with a user name and
// password, or hanging up.
#include <string>

#include "forms/command_fields.h"

namespace tavrin {

struct TagMatch;

// Kinds: 1 dial, 2 hang up.
constexpr int kDialChoice = 1;

struct DialUpValues {
    int Kind = 0;
    std::string Entry;
    std::string User;
    std::string Password;  // scrambled
};

struct DialUpFields {
    int Kind = 0;       // the checked choice; 0 for none
    std::string Entry;  // the selected phone book entry; empty for none
    std::string User;
    std::string Password;  // as typed
};

// A new command dials; the first entry is selected (ListLine).
DialUpFields NewDialUpFields();
DialUpFields DialUpFieldsOf(const DialUpValues& values);
DialUpValues DialUpValuesOf(const TagMatch& match);
// Field 1 is the phone book list.
CommandAnswer<DialUpValues> AcceptDialUp(const DialUpFields& fields);

// Dialling and "&Retrieve" need an entry: the refusal when none is
// selected, no message otherwise.
Refusal DialEntryRefusal(const DialUpFields& fields);

}  // namespace tavrin
