#include "forms/keys_up_down_form.h"

#include "language/tag_writer.h"

namespace tavrin {
namespace {

// The tag of each choice, in the order of the choices.
constexpr TagKind kTags[kKeysUpDownKinds] = {
    TagKind::CtrlDown,  TagKind::CtrlUp,    TagKind::AltDown, TagKind::AltUp,
    TagKind::ShiftDown, TagKind::ShiftUp,   TagKind::WinDown, TagKind::WinUp,
};

}  // namespace

KeysUpDownFields NewKeysUpDownFields() { return {}; }

KeysUpDownFields KeysUpDownFieldsOf(const KeysUpDownValues& values) {
    KeysUpDownFields fields;
    fields.Kind = values.Kind;
    return fields;
}

KeysUpDownValues KeysUpDownValuesOf(const TagMatch& match) {
    KeysUpDownValues values;
    for (int k = 0; k < kKeysUpDownKinds; ++k)
        if (kTags[k] == match.Kind) values.Kind = k + 1;
    return values;
}

CommandAnswer<KeysUpDownValues> AcceptKeysUpDown(const KeysUpDownFields& fields) {
    KeysUpDownValues values;
    if (fields.Kind < 1 || fields.Kind > kKeysUpDownKinds) return Answer("", values);
    values.Kind = fields.Kind;
    return Answer(WriteTag(kTags[fields.Kind - 1]), values);
}

}  // namespace tavrin
