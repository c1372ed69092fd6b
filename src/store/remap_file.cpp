#include "store/remap_file.h"

namespace tavrin {

RemapFileRead ReadRemapFile(Files& files, const std::string& path, RemapTables& tables) {
    if (!files.Exists(path)) return RemapFileRead::Missing;
    std::unique_ptr<OpenFile> file = files.Open(path, FileAccess::ReadOnly);
    uint64_t size = 0;
    if (!file || !file->Size(size)) return RemapFileRead::Unreadable;
    if (size != kRemapBytes) return RemapFileRead::WrongSize;
    RemapTables read{};
    if (!file->Seek(0) || !file->Read(read.data(), read.size())) return RemapFileRead::Unreadable;
    tables = read;
    return RemapFileRead::Loaded;
}

bool WriteRemapFile(Files& files, const std::string& path, const RemapTables& tables) {
    std::unique_ptr<OpenFile> file =
        files.Open(path, files.Exists(path) ? FileAccess::ReadWrite : FileAccess::CreateEmpty);
    return file && file->Seek(0) && file->Write(tables.data(), tables.size()) &&
           file->Truncate(kRemapBytes);
}

}  // namespace tavrin
