#include "platform/win32/win32_files.h"

#include <windows.h>

namespace tavrin {

namespace {

class Win32OpenFile : public OpenFile {
public:
    explicit Win32OpenFile(HANDLE h) : h_(h) {}
    ~Win32OpenFile() override { CloseHandle(h_); }

    bool Size(uint64_t& size) override {
        LARGE_INTEGER li;
        if (!GetFileSizeEx(h_, &li)) return false;
        size = static_cast<uint64_t>(li.QuadPart);
        return true;
    }
    bool Seek(uint64_t offset) override {
        LARGE_INTEGER li;
        li.QuadPart = static_cast<LONGLONG>(offset);
        return SetFilePointerEx(h_, li, nullptr, FILE_BEGIN) != 0;
    }
    bool Read(uint8_t* data, size_t n) override {
        DWORD got = 0;
        return ReadFile(h_, data, static_cast<DWORD>(n), &got, nullptr) && got == n;
    }
    bool Write(const uint8_t* data, size_t n) override {
        DWORD put = 0;
        return WriteFile(h_, data, static_cast<DWORD>(n), &put, nullptr) && put == n;
    }
    bool Truncate(uint64_t size) override { return Seek(size) && SetEndOfFile(h_); }

private:
    HANDLE h_;
};

}  // namespace

std::unique_ptr<OpenFile> Win32Files::Open(const std::string& path, FileAccess access) {
    DWORD rights = GENERIC_READ;
    DWORD disposition = OPEN_EXISTING;
    if (access == FileAccess::ReadWrite) rights |= GENERIC_WRITE;
    if (access == FileAccess::CreateEmpty) {
        rights |= GENERIC_WRITE;
        disposition = CREATE_NEW;  // never empties a file that exists
    }
    HANDLE h = CreateFileA(path.c_str(), rights, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<Win32OpenFile>(h);
}

bool Win32Files::Exists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace tavrin
