#include "forms/set_sound_form.h"

#include "language/tag_writer.h"
#include "platform/file_system.h"

namespace tavrin {

SetSoundFields NewSetSoundFields() {
    SetSoundFields fields;
    fields.Kind = 1;
    return fields;
}

SetSoundFields SetSoundFieldsOf(const SetSoundValues& values) {
    SetSoundFields fields;
    fields.Kind = values.Kind;
    fields.Path = values.Path;
    fields.Wait = values.Wait;
    return fields;
}

SetSoundValues SetSoundValuesOf(const TagMatch& match) {
    SetSoundValues values;
    if (match.Kind == TagKind::Beep) {
        values.Kind = 1;
    } else if (match.Kind == TagKind::WaveWait || match.Kind == TagKind::WaveNoWait) {
        values.Kind = 2;
        values.Path = match.Fields.Texts[0];
        values.Wait = match.Kind == TagKind::WaveWait;
    }
    return values;
}

CommandAnswer<std::string> WaveToTest(const SetSoundFields& fields, FileSystem& files) {
    if (ExistingFile(files, fields.Path).empty())
        return Refuse<std::string>("Specified WAV File does not exist.  Please correct.",
                                   kSetSoundPath);
    const std::string path = FieldText(fields.Path);
    return Answer(path, path);
}

CommandAnswer<SetSoundValues> AcceptSetSound(const SetSoundFields& fields, FileSystem& files) {
    using A = SetSoundValues;
    SetSoundValues values;
    values.Kind = fields.Kind;
    if (fields.Kind == 1) return Answer(WriteTag(TagKind::Beep), values);
    if (fields.Kind != 2) return Answer<A>("", {});
    const CommandAnswer<std::string> wave = WaveToTest(fields, files);
    if (!wave.Ok()) return Refuse<A>(wave.Refused.Message, wave.Refused.Field);
    values.Path = wave.Text;
    values.Wait = fields.Wait;
    TagFields tag;
    tag.Texts[0] = values.Path;
    return Answer(WriteTag(values.Wait ? TagKind::WaveWait : TagKind::WaveNoWait, tag), values);
}

}  // namespace tavrin
