#include "forms/window_controls_form.h"

#include "language/tag_writer.h"

namespace tavrin {
namespace {

// Indexed by kind - 1.
constexpr TagKind kKinds[] = {TagKind::WindowMax,   TagKind::WindowMin,  TagKind::WindowRestore,
                              TagKind::WindowClose, TagKind::WindowHide, TagKind::WindowShow,
                              TagKind::WindowShut};
constexpr int kKindCount = sizeof kKinds / sizeof kKinds[0];

}  // namespace

WindowControlsFields NewWindowControlsFields() {
    WindowControlsFields fields;
    fields.Kind = 1;
    return fields;
}

WindowControlsFields WindowControlsFieldsOf(const WindowControlsValues& values) {
    WindowControlsFields fields;
    fields.Kind = values.Kind;
    fields.CurrentWindow = values.CurrentWindow;
    fields.Title = values.Title;
    return fields;
}

WindowControlsValues WindowControlsValuesOf(const TagMatch& match) {
    WindowControlsValues values;
    for (int k = 0; k < kKindCount; ++k)
        if (kKinds[k] == match.Kind) values.Kind = k + 1;
    values.CurrentWindow = match.Fields.CurrentWindow;
    if (!values.CurrentWindow) values.Title = match.Fields.Texts[0];
    return values;
}

CommandAnswer<WindowControlsValues> AcceptWindowControls(const WindowControlsFields& fields) {
    using V = WindowControlsValues;
    if (fields.Kind < 1 || fields.Kind > kKindCount) return Answer("", V{});
    V values;
    values.Kind = fields.Kind;
    values.CurrentWindow = fields.CurrentWindow;
    if (!fields.CurrentWindow) {
        values.Title = FieldText(fields.Title);
        if (values.Title.empty()) return Refuse<V>(kNoWindowTitle, kWindowControlsTitleField);
    }
    TagFields tag;
    tag.CurrentWindow = values.CurrentWindow;
    tag.Texts[0] = values.Title;
    return Answer(WriteTag(kKinds[fields.Kind - 1], tag), values);
}

}  // namespace tavrin
