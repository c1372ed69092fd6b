#pragma once
// Folders as a set of paths, and file operations on a FakeFiles's contents.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "fakes/fake_files.h"
#include "platform/file_system.h"

namespace tavrin {

class FakeFileSystem : public FileSystem {
public:
    explicit FakeFileSystem(FakeFiles& files) : files_(files) {}

    std::set<std::string> folders{"C:"};  // without a trailing backslash
    std::set<std::string> uncreatable;    // CreateFolder fails on these
    std::vector<std::string> actions;     // e.g. "mkdir C:\A\", "chdir C:\A"
    std::map<std::string, std::string> shortPaths;  // of files that have one

    void SetCurrentFolder(const std::string& folder) override {
        actions.push_back("chdir " + folder);
    }
    bool FolderExists(const std::string& path) override { return folders.count(Folder(path)) > 0; }
    bool FileExists(const std::string& path) override { return files_.contents.count(path) > 0; }
    bool CreateFolder(const std::string& path) override {
        actions.push_back("mkdir " + path);
        if (uncreatable.count(Folder(path))) return false;
        folders.insert(Folder(path));
        return true;
    }
    void RemoveFile(const std::string& path) override { files_.contents.erase(path); }
    void CopyReplacing(const std::string& from, const std::string& to) override {
        auto it = files_.contents.find(from);
        if (it != files_.contents.end()) files_.contents[to] = it->second;
    }
    bool CopyNew(const std::string& from, const std::string& to) override {
        auto it = files_.contents.find(from);
        if (it == files_.contents.end() || files_.contents.count(to)) return false;
        files_.contents[to] = it->second;
        return true;
    }
    std::string ShortPath(const std::string& path) override {
        auto it = shortPaths.find(path);
        if (it != shortPaths.end()) return it->second;
        return files_.contents.count(path) || folders.count(Folder(path)) ? path : "";
    }
    void Move(const std::string& from, const std::string& to) override {
        auto it = files_.contents.find(from);
        if (it == files_.contents.end() || files_.contents.count(to)) return;
        files_.contents[to] = it->second;
        files_.contents.erase(from);
    }

private:
    static std::string Folder(const std::string& path) {
        return !path.empty() && path.back() == '\\' ? path.substr(0, path.size() - 1) : path;
    }
    FakeFiles& files_;
};

}  // namespace tavrin
