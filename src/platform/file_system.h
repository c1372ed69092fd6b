#pragma once
// Folders and whole files as macros change them: the current folder,
// creating folders, deleting, copying and moving files.
#include <string>

namespace tavrin {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Errors are ignored.
    virtual void SetCurrentFolder(const std::string& folder) = 0;
    // The system gives a short path for it, and that path (without a
    // trailing backslash) is a folder.
    virtual bool FolderExists(const std::string& path) = 0;
    // The path names a file that exists (not a folder).
    virtual bool FileExists(const std::string& path) = 0;
    virtual bool CreateFolder(const std::string& path) = 0;
    // The results of these three are ignored.
    virtual void RemoveFile(const std::string& path) = 0;
    // Replaces an existing destination; a copy that fails leaves no part of
    // the file behind.
    virtual void CopyReplacing(const std::string& from, const std::string& to) = 0;
    // Renames, or moves to another folder.
    virtual void Move(const std::string& from, const std::string& to) = 0;
    // Copies to a file that is not there yet; false when the copy fails or
    // the destination exists.
    virtual bool CopyNew(const std::string& from, const std::string& to) = 0;
    // The short (8.3) form of an existing path; empty when there is none.
    virtual std::string ShortPath(const std::string& path) = 0;
};

}  // namespace tavrin
