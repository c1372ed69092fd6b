#include "forms/macro_commands_form.h"

#include <array>
#include <cstdint>
#include <memory>

#include "language/tag_writer.h"
#include "platform/files.h"
#include "store/macro_record.h"

namespace tavrin {
namespace {

// Indexed by kind - 1.
constexpr TagKind kKinds[] = {TagKind::MacroRun, TagKind::MacroDelete, TagKind::MacroActivate,
                              TagKind::MacroDeactivate};
constexpr int kKindCount = sizeof kKinds / sizeof kKinds[0];

}  // namespace

std::vector<std::string> ListedNicknames(const std::vector<MacroName>& macros) {
    std::vector<std::string> names;
    for (const MacroName& macro : macros)
        if (macro.Scope != kScopeSystem && !FieldText(macro.Nickname).empty())
            names.push_back(macro.Nickname);
    return names;
}

std::vector<MacroName> MacroNamesInFile(Files& files, const std::string& path) {
    std::vector<MacroName> macros;
    const std::unique_ptr<OpenFile> file = files.Open(path, FileAccess::ReadOnly);
    std::array<uint8_t, kMacroRecordSize> bytes;
    while (file && macros.size() < kMaxMacros && file->Read(bytes.data(), bytes.size())) {
        const MacroRecord record = DecodeMacroRecord(bytes.data());
        macros.push_back({record.Nickname, record.Scope});
    }
    return macros;
}

MacroCommandsFields NewMacroCommandsFields() {
    MacroCommandsFields fields;
    fields.Kind = 1;
    return fields;
}

MacroCommandsFields MacroCommandsFieldsOf(const MacroCommandsValues& values) {
    MacroCommandsFields fields;
    fields.Kind = values.Kind;
    fields.Nickname = values.Nickname;
    return fields;
}

MacroCommandsValues MacroCommandsValuesOf(const TagMatch& match) {
    MacroCommandsValues values;
    for (int k = 0; k < kKindCount; ++k)
        if (kKinds[k] == match.Kind) values.Kind = k + 1;
    values.Nickname = match.Fields.Texts[0];
    return values;
}

CommandAnswer<MacroCommandsValues> AcceptMacroCommands(const MacroCommandsFields& fields) {
    using V = MacroCommandsValues;
    if (fields.Kind < 1 || fields.Kind > kKindCount) return Answer("", V{});
    V values{fields.Kind, FieldText(fields.Nickname)};
    if (values.Nickname.empty()) {
        if (fields.Highlighted.empty())
            return Refuse<V>("No nickname has been entered.  Please correct.", kNicknameField);
        CommandAnswer<V> question = Refuse<V>("No nickname has been entered.  \"" +
                                                  fields.Highlighted +
                                                  "\" is currently highlighted.  Would you "
                                                  "like to use it?",
                                              kNicknameField);
        question.Refused.Question = true;
        return question;
    }
    TagFields tag;
    tag.Texts[0] = values.Nickname;
    return Answer(WriteTag(kKinds[fields.Kind - 1], tag), values);
}

}  // namespace tavrin
