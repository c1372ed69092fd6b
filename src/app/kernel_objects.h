#pragma once
// The named kernel objects the program creates: the instance marker, the
// published table's mapping, three mutexes held open, and the remap and
// window-hook blocks shared with the hook library.
#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace tavrin {

// A named mapping in the paging file, optionally mapped for writing.
class SharedBlock {
public:
    SharedBlock() = default;
    SharedBlock(const SharedBlock&) = delete;
    SharedBlock& operator=(const SharedBlock&) = delete;
    ~SharedBlock() { Close(); }

    bool Create(const char* name, size_t size);
    bool Map();
    void Unmap();
    void Close();
    void PutU32(size_t offset, uint32_t value);
    void PutByte(size_t offset, uint8_t value);

private:
    HANDLE mapping_ = nullptr;
    uint8_t* view_ = nullptr;
};

// True when another copy of the program holds the instance marker.
bool AnotherCopyRuns();

// The objects of the program body, kept for the life of the process.
class ProcessObjects {
public:
    ProcessObjects() = default;
    ProcessObjects(const ProcessObjects&) = delete;
    ProcessObjects& operator=(const ProcessObjects&) = delete;
    ~ProcessObjects();

    bool CreateInstanceMarker();
    bool CreateTableMapping();
    bool CreateMutexes();

private:
    SharedBlock instanceMarker_;
    SharedBlock tableMapping_;
    HANDLE mutexes_[3] = {};
};

// Shows why the program cannot start, titled "System Error", and ends it.
[[noreturn]] void FailStart(const char* text);

// A window handle as the shared blocks and the table store it.
inline uint32_t HandleToU32(HWND h) {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(h));
}

}  // namespace tavrin
