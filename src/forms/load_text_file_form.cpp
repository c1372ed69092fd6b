#include "forms/load_text_file_form.h"

#include "language/tag_writer.h"
#include "platform/file_system.h"

namespace tavrin {

LoadTextFileFields NewLoadTextFileFields() { return {}; }

LoadTextFileFields LoadTextFileFieldsOf(const LoadTextFileValues& values) {
    LoadTextFileFields fields;
    fields.Path = values.Path;
    return fields;
}

LoadTextFileValues LoadTextFileValuesOf(const TagMatch& match) {
    LoadTextFileValues values;
    values.Path = match.Fields.Texts[0];
    return values;
}

CommandAnswer<LoadTextFileValues> AcceptLoadTextFile(const LoadTextFileFields& fields,
                                                     FileSystem& files, bool keepMissing) {
    using A = LoadTextFileValues;
    LoadTextFileValues values;
    values.Path = ExistingFile(files, fields.Path);
    if (values.Path.empty()) {
        if (!keepMissing) {
            CommandAnswer<A> question = Refuse<A>(
                "Specified Path and Program does not exist.  Do you wish to correct?",
                kLoadTextFilePath);
            question.Refused.Question = true;
            return question;
        }
        values.Path = FieldText(fields.Path);
    }
    TagFields tag;
    tag.Texts[0] = values.Path;
    return Answer(WriteTag(TagKind::TextFile, tag), values);
}

CommandAnswer<std::string> TextFileToEdit(const LoadTextFileFields& fields, FileSystem& files) {
    const std::string path = ExistingFile(files, fields.Path);
    if (path.empty())
        return Refuse<std::string>(
            "Specified Path and Program does not exist.  Unable to open text file.",
            kLoadTextFilePath);
    return Answer(path, path);
}

}  // namespace tavrin
