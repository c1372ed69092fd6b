#include "hooklib/table_copy.h"

#include <cstring>

namespace tavrin {
namespace {

// The table keeps 32-bit window handles; 64-bit Windows sign-extends them.
HWND WindowAt(const MacroTable& t, size_t offset) {
    return reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int32_t>(t.U32(offset))));
}

}  // namespace

void TableCopy::Copy(const uint8_t* table, std::initializer_list<TableSpan> spans) {
    if (table == nullptr) return;
    Hold hold(lock_);
    for (const TableSpan& span : spans) {
        if (span.offset + span.size > kMacroTableSize) continue;
        std::memcpy(table_.data() + span.offset, table + span.offset, span.size);
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
    return v;
}

bool TableCopy::HotKeyUsed(int code) const {
    if (code < 0 || static_cast<size_t>(code) >= kHotKeyCodes) return false;
    Hold hold(lock_);
    return table_.HotKeyUsed(static_cast<size_t>(code)) != 0;
}

bool TableCopy::TakeFlag(size_t offset) {
    Hold hold(lock_);
    const bool wasSet = table_.Byte(offset) != 0;
    table_.SetByte(offset, 0);
    return wasSet;
}

}  // namespace tavrin
