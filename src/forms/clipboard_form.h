#pragma once
// "Clipboard": start or end a clipboard copy, copy a text or bitmap file to
// the clipboard, issue Ctrl+C or Ctrl+V, or type out the clipboard's text.
#include <string>

#include "forms/command_fields.h"
#include "language/tag_recogniser.h"

namespace tavrin {

class FileSystem;

// Kinds: 1 start copy, 2 end copy, 3 text file, 4 Ctrl+C, 5 Ctrl+V,
// 6 bitmap file, 7 type out the text, 8 type it out ignoring CR/LF.
struct ClipboardValues {
    int Kind = 0;
    std::string Path;  // short form, kinds 3 and 6
};

// Kind is the radio button, 1 to 7; kind 8 is 7 with IgnoreLines.
struct ClipboardFields {
    int Kind = 0;
    std::string Path;
    bool IgnoreLines = false;
};

enum ClipboardField { kClipboardPath = 1 };

// Kinds that name a file: the text file (3) and the bitmap (6).
bool ClipboardHasPath(int kind);

ClipboardFields NewClipboardFields();
ClipboardFields ClipboardFieldsOf(const ClipboardValues& values);
ClipboardValues ClipboardValuesOf(const TagMatch& match);
CommandAnswer<ClipboardValues> AcceptClipboard(const ClipboardFields& fields, FileSystem& files);

}  // namespace tavrin
