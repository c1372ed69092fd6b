#include "forms/clipboard_form.h"

#include "language/tag_writer.h"
#include "platform/file_system.h"

namespace tavrin {
namespace {

constexpr TagKind kKinds[] = {TagKind::BeginClip, TagKind::EndClip,  TagKind::ClipFile,
                              TagKind::ClipCopy,  TagKind::ClipPaste, TagKind::ClipBitmap,
                              TagKind::ClipType,  TagKind::ClipTypeIgnoreLines};

}  // namespace

bool ClipboardHasPath(int kind) { return kind == 3 || kind == 6; }

ClipboardFields NewClipboardFields() {
    ClipboardFields fields;
    fields.Kind = 1;
    return fields;
}

ClipboardFields ClipboardFieldsOf(const ClipboardValues& values) {
    ClipboardFields fields;
    fields.Kind = values.Kind == 8 ? 7 : values.Kind;
    fields.IgnoreLines = values.Kind == 8;
    fields.Path = values.Path;
    return fields;
}

ClipboardValues ClipboardValuesOf(const TagMatch& match) {
    ClipboardValues values;
    values.Kind = KindOf(kKinds, match.Kind);
    if (ClipboardHasPath(values.Kind)) values.Path = match.Fields.Texts[0];
    return values;
}

CommandAnswer<ClipboardValues> AcceptClipboard(const ClipboardFields& fields, FileSystem& files) {
    using A = ClipboardValues;
    if (fields.Kind < 1 || fields.Kind > 7) return Answer<A>("", {});
    ClipboardValues values;
    values.Kind = fields.Kind == 7 && fields.IgnoreLines ? 8 : fields.Kind;
    if (ClipboardHasPath(values.Kind)) {
        values.Path = ExistingFile(files, fields.Path);
        if (values.Path.empty())
            return Refuse<A>(values.Kind == 3
                                 ? "Specified Text File does not exist.  Please correct."
                                 : "Specified Bitmap File does not exist.  Please correct.",
                             kClipboardPath);
    }
    TagFields tag;
    tag.Texts[0] = values.Path;
    return Answer(WriteTag(kKinds[values.Kind - 1], tag), values);
}

}  // namespace tavrin
