#pragma once
// "Open Explorer": a folder to open in the Explorer.
#include <string>

#include "forms/command_fields.h"
#include "language/tag_recogniser.h"

namespace tavrin {

class FileSystem;

struct OpenExplorerValues {
    std::string Folder;  // as typed
};

struct OpenExplorerFields {
    std::string Folder;
};

enum OpenExplorerField { kOpenExplorerFolder = 1 };

OpenExplorerFields NewOpenExplorerFields();
OpenExplorerFields OpenExplorerFieldsOf(const OpenExplorerValues& values);
OpenExplorerValues OpenExplorerValuesOf(const TagMatch& match);
CommandAnswer<OpenExplorerValues> AcceptOpenExplorer(const OpenExplorerFields& fields,
                                                     FileSystem& files);

}  // namespace tavrin
