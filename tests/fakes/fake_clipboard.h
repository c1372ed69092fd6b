#pragma once
// A clipboard holding either text or the picture of a bitmap file.
#include <set>
#include <string>

#include "platform/clipboard.h"

namespace tavrin {

class FakeClipboard : public Clipboard {
public:
    std::string text;
    std::string picture;           // the bitmap file whose picture it holds, if any
    std::set<std::string> bitmaps;  // files that load as bitmaps
    int changes = 0;

    bool SetText(const std::string& t) override {
        text = t;
        picture.clear();
        ++changes;
        return true;
    }
    std::string GetText() override { return picture.empty() ? text : std::string(); }
    bool SetBitmapFile(const std::string& path) override {
        if (!bitmaps.count(path)) return false;
        text.clear();
        picture = path;
        ++changes;
        return true;
    }
};

}  // namespace tavrin
