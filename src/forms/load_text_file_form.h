#pragma once
// "Load Text from a Text File": the text file whose contents the macro
// types. A missing file may be kept, once the user has said so.
#include <string>

#include "forms/command_fields.h"
#include "language/tag_recogniser.h"

namespace tavrin {

class FileSystem;

struct LoadTextFileValues {
    std::string Path;  // short form, or as typed for a missing file kept
};

struct LoadTextFileFields {
    std::string Path;
};

enum LoadTextFileField { kLoadTextFilePath = 1 };

LoadTextFileFields NewLoadTextFileFields();
LoadTextFileFields LoadTextFileFieldsOf(const LoadTextFileValues& values);
LoadTextFileValues LoadTextFileValuesOf(const TagMatch& match);
// A missing file is a question, asked in a Yes/No box titled "Warning":
// Yes goes back to the field to correct it; No asks again with keepMissing,
// which takes the path as typed.
CommandAnswer<LoadTextFileValues> AcceptLoadTextFile(const LoadTextFileFields& fields,
                                                     FileSystem& files, bool keepMissing);
// The short form of the file "&Edit In Notepad" opens; refused when it does
// not exist.
CommandAnswer<std::string> TextFileToEdit(const LoadTextFileFields& fields, FileSystem& files);

}  // namespace tavrin
