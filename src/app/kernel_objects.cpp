#include "app/kernel_objects.h"

namespace tavrin {

bool SharedBlock::Create(const char* name, size_t size) {
    mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                  static_cast<DWORD>(size), name);
    return mapping_ != nullptr;
}

bool SharedBlock::Map() {
    view_ = static_cast<uint8_t*>(MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, 0));
    return view_ != nullptr;
}

void SharedBlock::Unmap() {
    if (view_) UnmapViewOfFile(view_);
    view_ = nullptr;
}

void SharedBlock::Close() {
    Unmap();
    if (mapping_) CloseHandle(mapping_);
    mapping_ = nullptr;
}

void SharedBlock::PutU32(size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) view_[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

void SharedBlock::PutByte(size_t offset, uint8_t value) { view_[offset] = value; }

void FailStart(const char* text) {
    MessageBoxA(nullptr, text, "System Error", MB_OK | MB_ICONSTOP | MB_TASKMODAL);
    ExitProcess(1);
}

bool AnotherCopyRuns() {
    HANDLE h = OpenFileMappingA(FILE_MAP_WRITE, FALSE, "ZYNEX321Z");
    if (!h) return false;
    CloseHandle(h);
    return true;
}

ProcessObjects::~ProcessObjects() {
    for (HANDLE m : mutexes_) {
        if (m) CloseHandle(m);
    }
}

bool ProcessObjects::CreateInstanceMarker() {
    // Mapping and unmapping a view proves the marker usable.
    if (!instanceMarker_.Create("ZYNEX321Z", 10) || !instanceMarker_.Map()) return false;
    instanceMarker_.Unmap();
    return true;
}

bool ProcessObjects::CreateTableMapping() { return tableMapping_.Create("ZYBA1KGR", 19784); }

bool ProcessObjects::CreateMutexes() {
    const char* names[3] = {"ZY88aveR", "ZYKZaveR", "ZYQJaveR"};
    for (int i = 0; i < 3; ++i) {
        mutexes_[i] = CreateMutexA(nullptr, FALSE, names[i]);
        if (!mutexes_[i]) return false;
    }
    return true;
}

}  // namespace tavrin
