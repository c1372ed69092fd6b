#pragma once
// The text of a text file as macros read it.
#include <cstdint>
#include <string>

#include "platform/files.h"
#include "platform/playback_ui.h"

namespace tavrin {

// A text file larger than this is taken as no macro text: it is not read.
constexpr uint64_t kMaxTextFileBytes = 1 << 20;

// The whole file without a last Ctrl+Z (26), cut at its first NUL; false
// when the file cannot be opened or read or is larger than
// kMaxTextFileBytes. A file too large, or cut at a NUL, says so in a notice.
bool ReadTextFile(Files& files, PlaybackUi& ui, const std::string& path, std::string& text);

}  // namespace tavrin
