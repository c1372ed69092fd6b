#pragma once
#include "platform/files.h"

namespace tavrin {

// Files through CreateFileA, shared for reading and writing so that other
// users of a macro file on a network are not locked out.
class Win32Files : public Files {
public:
    std::unique_ptr<OpenFile> Open(const std::string& path, FileAccess access) override;
    bool Exists(const std::string& path) override;
};

}  // namespace tavrin
