#include "forms/play_video_form.h"

#include "language/tag_writer.h"
#include "platform/file_system.h"

namespace tavrin {
namespace {

constexpr TagKind kKinds[] = {TagKind::AviNow, TagKind::AviClose, TagKind::Avi};

}  // namespace

PlayVideoFields NewPlayVideoFields() {
    PlayVideoFields fields;
    fields.Kind = 1;
    return fields;
}

PlayVideoFields PlayVideoFieldsOf(const PlayVideoValues& values) {
    PlayVideoFields fields;
    fields.Kind = values.Kind;
    fields.Path = values.Path;
    return fields;
}

PlayVideoValues PlayVideoValuesOf(const TagMatch& match) {
    PlayVideoValues values;
    values.Kind = KindOf(kKinds, match.Kind);
    values.Path = match.Fields.Texts[0];
    return values;
}

CommandAnswer<PlayVideoValues> AcceptPlayVideo(const PlayVideoFields& fields, FileSystem& files) {
    using A = PlayVideoValues;
    if (fields.Kind < 1 || fields.Kind > 3) return Answer<A>("", {});
    PlayVideoValues values;
    values.Kind = fields.Kind;
    values.Path = ExistingFile(files, fields.Path);
    if (values.Path.empty())
        return Refuse<A>("Specified AVI File does not exist.  Please correct.", kPlayVideoPath);
    TagFields tag;
    tag.Texts[0] = values.Path;
    return Answer(WriteTag(kKinds[values.Kind - 1], tag), values);
}

}  // namespace tavrin
