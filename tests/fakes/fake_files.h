#pragma once
// An in-memory file system with switches for the failures the store must
// survive.
#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/files.h"

namespace tavrin {

class FakeFiles : public Files {
public:
    std::map<std::string, std::vector<uint8_t>> contents;
    std::set<std::string> unopenable;  // exist, but Open fails
    bool failCreate = false;
    // Counts down on every write; the write that reaches 0 fails.
    int writesUntilFailure = -1;

    std::unique_ptr<OpenFile> Open(const std::string& path, FileAccess access) override {
        if (unopenable.count(path)) return nullptr;
        auto it = contents.find(path);
        if (access == FileAccess::CreateEmpty) {
            if (failCreate || it != contents.end()) return nullptr;
            contents[path];
            return std::make_unique<File>(*this, contents[path]);
        }
        if (it == contents.end()) return nullptr;
        return std::make_unique<File>(*this, it->second);
    }

    bool Exists(const std::string& path) override {
        return contents.count(path) || unopenable.count(path);
    }

private:
    class File : public OpenFile {
    public:
        File(FakeFiles& owner, std::vector<uint8_t>& data) : owner_(owner), data_(data) {}
        bool Size(uint64_t& size) override {
            size = data_.size();
            return true;
        }
        bool Seek(uint64_t offset) override {
            pos_ = offset;
            return true;
        }
        bool Read(uint8_t* out, size_t n) override {
            if (pos_ + n > data_.size()) return false;
            std::memcpy(out, data_.data() + pos_, n);
            pos_ += n;
            return true;
        }
        bool Write(const uint8_t* in, size_t n) override {
            if (owner_.writesUntilFailure >= 0 && owner_.writesUntilFailure-- == 0) return false;
            if (pos_ + n > data_.size()) data_.resize(pos_ + n);
            std::memcpy(data_.data() + pos_, in, n);
            pos_ += n;
            return true;
        }
        bool Truncate(uint64_t size) override {
            data_.resize(size);
            return true;
        }

    private:
        FakeFiles& owner_;
        std::vector<uint8_t>& data_;
        uint64_t pos_ = 0;
    };
};

}  // namespace tavrin
