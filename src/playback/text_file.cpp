#include "playback/text_file.h"

#include <memory>

namespace tavrin {

namespace {

constexpr char kCtrlZ = 26;
constexpr const char* kTitle = "Text File Error";

}  // namespace

bool ReadTextFile(Files& files, PlaybackUi& ui, const std::string& path, std::string& text) {
    const std::unique_ptr<OpenFile> file = files.Open(path, FileAccess::ReadOnly);
    uint64_t size = 0;
    if (!file || !file->Size(size)) return false;
    if (size > kMaxTextFileBytes) {
        ui.ShowNotice(kTitle, "The file \"" + path +
                                  "\" is larger than 1 MB: it is not read as macro text.");
        return false;
    }
    std::string bytes(static_cast<size_t>(size), '\0');
    if (!bytes.empty() && !file->Read(reinterpret_cast<uint8_t*>(&bytes[0]), bytes.size()))
        return false;
    if (!bytes.empty() && bytes.back() == kCtrlZ) bytes.pop_back();
    const size_t nul = bytes.find('\0');
    if (nul != std::string::npos)
        ui.ShowNotice(kTitle, "The file \"" + path +
                                  "\" holds a NUL character: the text after it is left out.");
    text = bytes.substr(0, nul);
    return true;
}

}  // namespace tavrin
