#include "playback/text_file.h"

#include <memory>

namespace tavrin {

namespace {

constexpr char kCtrlZ = 26;

}  // namespace

bool ReadTextFile(Files& files, const std::string& path, std::string& text) {
    const std::unique_ptr<OpenFile> file = files.Open(path, FileAccess::ReadOnly);
    uint64_t size = 0;
    if (!file || !file->Size(size) || size > kMaxTextFileBytes) return false;
    std::string bytes(static_cast<size_t>(size), '\0');
    if (!bytes.empty() && !file->Read(reinterpret_cast<uint8_t*>(&bytes[0]), bytes.size()))
        return false;
    if (!bytes.empty() && bytes.back() == kCtrlZ) bytes.pop_back();
    text = bytes.substr(0, bytes.find('\0'));
    return true;
}

}  // namespace tavrin
