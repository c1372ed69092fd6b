#include "playback/text_file.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace tavrin {

namespace {

constexpr char kCtrlZ = 26;

}  // namespace

bool ReadTextFile(Files& files, const std::string& path, std::string& text) {
    std::unique_ptr<OpenFile> file = files.Open(path, FileAccess::ReadOnly);
    uint64_t size = 0;
    if (!file || !file->Size(size)) return false;
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    if (!bytes.empty() && !file->Read(bytes.data(), bytes.size())) return false;
    text.assign(bytes.begin(), bytes.end());
    if (!text.empty() && text.back() == kCtrlZ) text.pop_back();
    const size_t nul = text.find('\0');
    if (nul != std::string::npos) text.resize(nul);
    return true;
}

}  // namespace tavrin
