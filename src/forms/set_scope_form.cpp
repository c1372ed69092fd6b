#include "forms/set_scope_form.h"

#include "language/ansi_text.h"

namespace tavrin {

bool ListsWindowTitle(const std::string& title) { return !Trim(title).empty(); }

bool ListsProgramName(const std::string& name) {
    return Contains(UpperCase(name), ".EXE") && name[0] != '?';
}

std::string ScopeNameOfEntry(const std::string& entry) {
    return entry.substr(0, kScopeNameChars);
}

CommandAnswer<SetScopeValues> AcceptSetScope(const SetScopeFields& fields) {
    using V = SetScopeValues;
    const V values{FieldText(fields.Name), fields.OnTopOnly};
    if (!values.Name.empty()) return Answer(values.Name, values);
    const std::string missing =
        fields.Program ? "No program name has been entered." : "No window title has been entered.";
    if (fields.Highlighted.empty())
        return Refuse<V>(missing + "  Please correct.", kScopeNameField);
    CommandAnswer<V> question = Refuse<V>(missing + "  \"" + fields.Highlighted +
                                              "\" is currently highlighted.  Would you like to "
                                              "use it?",
                                          kScopeNameField);
    question.Refused.Question = true;
    return question;
}

}  // namespace tavrin
