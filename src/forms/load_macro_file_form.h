#pragma once
// "Load A New Macro File": the macro file a macro switches to.
#include <string>

#include "forms/command_fields.h"
#include "language/tag_recogniser.h"

namespace tavrin {

enum LoadMacroFileField { kMacroFilePathField = 1 };

struct LoadMacroFileValues {
    std::string Path;  // the short form, as the tag holds it
};

struct LoadMacroFileFields {
    std::string Path;
};

LoadMacroFileFields NewLoadMacroFileFields();
LoadMacroFileFields LoadMacroFileFieldsOf(const LoadMacroFileValues& values);
LoadMacroFileValues LoadMacroFileValuesOf(const TagMatch& match);
CommandAnswer<LoadMacroFileValues> AcceptLoadMacroFile(const LoadMacroFileFields& fields,
                                                       FileSystem& files);

}  // namespace tavrin
