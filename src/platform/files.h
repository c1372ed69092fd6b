#pragma once
// Files as the macro store uses them: opened for one operation, positioned,
// read and written in whole records, cut to a length, closed.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace tavrin {

class OpenFile {
public:
    virtual ~OpenFile() = default;
    virtual bool Size(uint64_t& size) = 0;
    virtual bool Seek(uint64_t offset) = 0;
    // Reads exactly n bytes; false when fewer were available.
    virtual bool Read(uint8_t* data, size_t n) = 0;
    virtual bool Write(const uint8_t* data, size_t n) = 0;
    // Cuts or extends the file to size bytes.
    virtual bool Truncate(uint64_t size) = 0;
};

enum class FileAccess { ReadOnly, ReadWrite, CreateEmpty };

class Files {
public:
    virtual ~Files() = default;
    // Null when the file cannot be opened (or created).
    virtual std::unique_ptr<OpenFile> Open(const std::string& path, FileAccess access) = 0;
    virtual bool Exists(const std::string& path) = 0;
};

}  // namespace tavrin
