#pragma once
#include "platform/file_system.h"

namespace tavrin {

class Win32FileSystem : public FileSystem {
public:
    void SetCurrentFolder(const std::string& folder) override;
    bool FolderExists(const std::string& path) override;
    bool FileExists(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    void RemoveFile(const std::string& path) override;
    void CopyReplacing(const std::string& from, const std::string& to) override;
    void Move(const std::string& from, const std::string& to) override;
    bool CopyNew(const std::string& from, const std::string& to) override;
    std::string ShortPath(const std::string& path) override;
};

}  // namespace tavrin
