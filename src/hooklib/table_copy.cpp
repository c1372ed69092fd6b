#include "hooklib/table_copy.h"

#include <cstring>

namespace tavrin {
namespace {

// The table keeps 32-bit window handles; 64-bit Windows sign-extends them.
WindowId WindowAt(const MacroTable& t, size_t offset) {
    const auto handle = static_cast<intptr_t>(static_cast<int32_t>(t.U32(offset)));
    return static_cast<WindowId>(static_cast<uintptr_t>(handle));
}

}  // namespace

void TableCopy::Copy(const uint8_t* table, std::initializer_list<TableSpan> spans) {
    if (table == nullptr) return;
    Hold hold(lock_);
    for (const TableSpan& span : spans) {
        if (span.offset + span.size > kMacroTableSize) continue;
        std::memcpy(table_.data() + span.offset, table + span.offset, span.size);
        if (span.offset < table::HotKeyUsed + kHotKeyCodes &&
            span.offset + span.size > table::HotKeyUsed)
            for (size_t code = 0; code < kHotKeyCodes; ++code)
                hotKeyUsed_.set(code, table_.HotKeyUsed(code) != 0);
    }
}

HookView TableCopy::View() const {
    Hold hold(lock_);
    HookView v;
    v.mainWindow = WindowAt(table_, table::MainWindow);
    v.keyEntryWindow = WindowAt(table_, table::KeyEntryWindow);
    v.keyEntryOn = table_.Byte(table::KeyEntryOn) != 0;
    v.inUse = table_.Byte(table::InUse) != 0;
    v.hasQuillets = table_.Byte(table::HasQuillets) != 0;
    v.idleWatch = table_.Byte(table::IdleWatch) != 0;
    v.waitClick = table_.Byte(table::WaitClick) != 0;
    v.waitKey = table_.Byte(table::WaitKey) != 0;
    v.waitText = table_.Byte(table::WaitText) != 0;
    v.waitDrain = table_.Byte(table::WaitDrain) != 0;
    v.hotKeyUsed = hotKeyUsed_;
    return v;
}

CaptureView TableCopy::Capture() const {
    Hold hold(lock_);
    CaptureView c;
    c.on = table_.Byte(table::CaptureOn) != 0;
    c.setup = ReadCaptureSetup(table_);
    c.to = table_.Byte(table::CaptureWindowOn) != 0 ? WindowAt(table_, table::CaptureWindow)
                                                     : WindowAt(table_, table::MainWindow);
    c.setups = captureSetups_;
    return c;
}

void TableCopy::CountCaptureSetup() {
    Hold hold(lock_);
    ++captureSetups_;
}

bool TableCopy::TakeFlag(size_t offset) {
    Hold hold(lock_);
    const bool wasSet = table_.Byte(offset) != 0;
    table_.SetByte(offset, 0);
    return wasSet;
}

}  // namespace tavrin
