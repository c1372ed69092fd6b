#pragma once
#include "platform/clipboard.h"

namespace tavrin {

// The system clipboard with CF_TEXT for text and CF_DIB for pictures (the
// system offers CF_BITMAP and CF_PALETTE from it). The clipboard is open
// only during one call and emptied only once the new data is ready.
class Win32Clipboard : public Clipboard {
public:
    bool SetText(const std::string& text) override;
    std::string GetText() override;
    bool SetBitmapFile(const std::string& path) override;
};

}  // namespace tavrin
