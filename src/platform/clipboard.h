#pragma once
// The clipboard as macros use it: plain text both ways, and pictures put on
// it from bitmap files.
#include <string>

namespace tavrin {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Replaces what the clipboard holds by the text; false (the clipboard
    // unchanged) when it cannot be done.
    virtual bool SetText(const std::string& text) = 0;
    // The clipboard's text; empty when it holds none (nothing, a picture).
    virtual std::string GetText() = 0;
    // Replaces what the clipboard holds by the picture of a bitmap file;
    // false (the clipboard unchanged) when the file is no bitmap or the
    // clipboard cannot be had.
    virtual bool SetBitmapFile(const std::string& path) = 0;
};

}  // namespace tavrin
