#pragma once
// The fields of the command dialogs, read the one way every dialog reads
// them, and the answer a dialog's "&Ok" gives.
//
// Each command dialog has a model here in src/forms, in the same shape:
//  - XxxValues: the choice taken (Kind, from 1) and the values entered, as
//    the scripting editor keeps them in the line's parameter record;
//  - XxxFields: what the controls hold (texts as typed, checks, choice);
//  - NewXxxFields(): the fields of a new command;
//  - XxxFieldsOf(values): the fields of an edit, preset from a record;
//  - XxxValuesOf(match): the record of a tag read from macro text;
//  - AcceptXxx(fields, ...): the checks of "&Ok" in order, the first that
//    fails refusing with its message and field, else the result text
//    (written with WriteTag) and the values.
// The window class in src/ui binds the controls to the fields and does no
// checking of its own.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "language/tag_kind.h"

#include "language/tag_kind.h"

namespace tavrin {

class FileSystem;
struct TagMatch;

// A check of "&Ok" that failed: the message, shown in a box titled "Error",
// and the field (numbered by each model) that gets the focus. A question
// asks Yes or No instead; Yes takes what the question proposes.
struct Refusal {
    std::string Message;
    int Field = 0;
    bool Question = false;
};

template <class Values>
struct CommandAnswer {
    Refusal Refused;   // no message when every check passed
    std::string Text;  // the result text: empty for a dialog left with no choice
    Values Entered{};

    bool Ok() const { return Refused.Message.empty(); }
};

template <class Values>
CommandAnswer<Values> Refuse(std::string message, int field) {
    CommandAnswer<Values> answer;
    answer.Refused.Message = std::move(message);
    answer.Refused.Field = field;
    return answer;
}

template <class Values>
CommandAnswer<Values> Answer(std::string text, const Values& values) {
    CommandAnswer<Values> answer;
    answer.Text = std::move(text);
    answer.Entered = values;
    return answer;
}

// The text of a field without its leading and trailing blanks.
std::string FieldText(const std::string& text);

// True when the trimmed text converts completely as a signed decimal
// integer that fits 32 bits; an empty field does not.
bool WholeNumber(const std::string& text, int& value);

// For a field whose range alone is tested: its whole number, 0 when it does
// not convert (an empty field counts as 0).
int NumberOrZero(const std::string& text);

// True when the trimmed text is a decimal real: an optional sign, digits
// with an optional point ("0.5", ".5", "60", "1.").
bool RealNumber(const std::string& text, double& value);

// A decimal number written without leading zeros, for presetting a field.
std::string NumberText(int value);
// A real written with two decimals ("0.50"), for presetting a field.
std::string RealText(double value);

// The short (8.3) form of the trimmed path when it names an existing file;
// empty when it does not (or names a folder).
std::string ExistingFile(FileSystem& files, const std::string& path);
// The short (8.3) form of the trimmed path when it names an existing folder;
// empty when it does not.
std::string ExistingFolder(FileSystem& files, const std::string& path);

// The choice (from 1) whose tag is kind, in a dialog's table of the tags of
// its choices in order; 0 when it is none of them.
template <size_t N>
int KindOf(const TagKind (&kinds)[N], TagKind kind) {
    for (size_t k = 0; k < N; ++k)
        if (kinds[k] == kind) return static_cast<int>(k) + 1;
    return 0;
}

// The line of a list to select when a dialog opens: the first for a new
// command (no name), else the line of exactly that name; -1 for none.
int ListLine(const std::vector<std::string>& lines, const std::string& name);

// The tag of one choice of a dialog whose choices each write a tag of their
// own and nothing more.
struct TagChoice {
    TagKind Kind;
    int Index = 0;
};

// The place (from 1) of the choice that writes the matched tag; 0 for none.
int ChoiceOfTag(const TagChoice* choices, size_t count, const TagMatch& match);
template <size_t N>
int ChoiceOfTag(const TagChoice (&choices)[N], const TagMatch& match) {
    return ChoiceOfTag(choices, N, match);
}

// The tag of choice kind (from 1); empty for 0 or a kind past the last.
std::string TagOfChoice(const TagChoice* choices, size_t count, int kind);
template <size_t N>
std::string TagOfChoice(const TagChoice (&choices)[N], int kind) {
    return TagOfChoice(choices, N, kind);
}

}  // namespace tavrin
