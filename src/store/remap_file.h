#pragma once
// The remap file: one record of exactly 93 bytes, the four remap tables in
// the order upper case (offsets 0 .. 25), lower case (26 .. 51), numeric
// (52 .. 61) and punctuation (62 .. 92).
#include <string>

#include "base/remap_tables.h"
#include "platform/files.h"

namespace tavrin {

enum class RemapFileRead { Loaded, Missing, WrongSize, Unreadable };

// Fills tables only when the file is Loaded.
RemapFileRead ReadRemapFile(Files& files, const std::string& path, RemapTables& tables);
// Creates or overwrites the file with the whole record; false when it
// cannot be written.
bool WriteRemapFile(Files& files, const std::string& path, const RemapTables& tables);

}  // namespace tavrin
