#include "forms/size_window_form.h"

#include "forms/window_controls_form.h"
#include "language/tag_writer.h"

namespace tavrin {

SizeWindowFields NewSizeWindowFields() {
    SizeWindowFields fields;
    fields.Kind = 1;
    return fields;
}

SizeWindowFields SizeWindowFieldsOf(const SizeWindowValues& values) {
    SizeWindowFields fields;
    fields.Kind = values.Kind;
    fields.CurrentWindow = values.CurrentWindow;
    fields.Title = values.Title;
    fields.First = NumberText(values.First);
    fields.Second = NumberText(values.Second);
    return fields;
}

SizeWindowValues SizeWindowValuesOf(const TagMatch& match) {
    SizeWindowValues values;
    if (match.Kind == TagKind::WindowSize) values.Kind = 1;
    // The older "<WPOS:" opens as a position too and is written anew.
    if (match.Kind == TagKind::WindowPos || match.Kind == TagKind::WindowPos2) values.Kind = 2;
    values.CurrentWindow = match.Fields.CurrentWindow;
    if (!values.CurrentWindow) values.Title = match.Fields.Texts[0];
    values.First = match.Fields.Numbers[0];
    values.Second = match.Fields.Numbers[1];
    return values;
}

CommandAnswer<SizeWindowValues> AcceptSizeWindow(const SizeWindowFields& fields) {
    using V = SizeWindowValues;
    if (fields.Kind != 1 && fields.Kind != 2) return Answer("", V{});
    V values;
    values.Kind = fields.Kind;
    values.CurrentWindow = fields.CurrentWindow;
    if (!fields.CurrentWindow) {
        values.Title = FieldText(fields.Title);
        if (values.Title.empty()) return Refuse<V>(kNoWindowTitle, kSizeTitleField);
    }
    const bool first = WholeNumber(fields.First, values.First);
    const bool second = WholeNumber(fields.Second, values.Second);
    if (fields.Kind == 1) {
        if (!first || values.First < 10)
            return Refuse<V>(
                "Invalid width specified.  Width must be 10 or greater.  Please correct.",
                kSizeFirstField);
        if (!second || values.Second < 30)
            return Refuse<V>(
                "Invalid height specified.  Height must be 30 or greater.  Please correct.",
                kSizeSecondField);
    } else {
        if (!first)
            return Refuse<V>("Invalid left position specified.  Please correct.",
                             kSizeFirstField);
        if (!second || values.Second < 0)
            return Refuse<V>("Invalid top position specified.  Please correct.",
                             kSizeSecondField);
    }
    TagFields tag;
    tag.Numbers[0] = values.First;
    tag.Numbers[1] = values.Second;
    tag.CurrentWindow = values.CurrentWindow;
    tag.Texts[0] = values.Title;
    return Answer(WriteTag(fields.Kind == 1 ? TagKind::WindowSize : TagKind::WindowPos2, tag),
                  values);
}

}  // namespace tavrin
