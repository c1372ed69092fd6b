#pragma once
// "File Manipulation": change to a folder, copy, rename or delete a file,
// or create a folder.
#include <string>

#include "forms/command_fields.h"
#include "language/tag_recogniser.h"

namespace tavrin {

class FileSystem;

// Kinds: 1 change folder, 2 copy, 3 rename, 4 delete, 5 create folder.
struct FileManipulationValues {
    int Kind = 0;
    std::string Path;     // as the tag holds it
    std::string NewName;  // kinds 2 and 3
};

struct FileManipulationFields {
    int Kind = 0;
    std::string Path;
    std::string NewName;
};

enum FileManipulationField { kFileManipulationPath = 1, kFileManipulationNewName };

// Kinds that use a folder rather than a file, and those with a new name.
bool FileManipulationOfFolder(int kind);
bool FileManipulationHasNewName(int kind);

FileManipulationFields NewFileManipulationFields();
FileManipulationFields FileManipulationFieldsOf(const FileManipulationValues& values);
FileManipulationValues FileManipulationValuesOf(const TagMatch& match);
CommandAnswer<FileManipulationValues> AcceptFileManipulation(const FileManipulationFields& fields,
                                                             FileSystem& files);

}  // namespace tavrin
