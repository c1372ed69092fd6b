#pragma once
// The library's own copy of the macro table. The program's thread publishes
// sections into it and the hook thread reads it, so every access holds the
// lock, briefly.
#include <windows.h>

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "hooklib/critical_section.h"
#include "store/macro_table.h"
#include "triggers/hook_decision.h"

namespace tavrin {

struct TableSpan {
    size_t offset;
    size_t size;
};

class TableCopy {
public:
    // Copies the spans of a whole table handed over by the program.
    void Copy(const uint8_t* table, std::initializer_list<TableSpan> spans);
    HookView View() const;
    // Clears a one-byte flag; true when it was set.
    bool TakeFlag(size_t offset);

private:
    mutable CriticalSection lock_;
    MacroTable table_;
    std::bitset<kHotKeyCodes> hotKeyUsed_;  // the table's HotKeyUsed, kept for View
};

}  // namespace tavrin
