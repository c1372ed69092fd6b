// Any byte string as a macro file: loading it never crashes or reads past a
// field, the table agrees with the records, and a decoded record encodes to
// bytes that decode to the same record.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "fakes/fake_clock.h"
#include "fakes/fake_files.h"
#include "fakes/fake_hook_library.h"
#include "fakes/fake_messages.h"
#include "store/macro_store.h"

using namespace tavrin;

namespace {

bool SameRecord(const MacroRecord& a, const MacroRecord& b) {
    std::array<uint8_t, kMacroRecordSize> x, y;
    EncodeMacroRecord(a, x.data());
    EncodeMacroRecord(b, y.data());
    return x == y;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = "C:\\F.ZYN";
    FakeFiles files;
    files.contents[path].assign(data, data + size);
    FakeHookLibrary hooks;
    FakeMessages messages;
    FakeClock clock;
    std::string current;
    MacroStore store(files, hooks, messages, clock, "C:", current);
    store.LoadMacroFile(path);

    size_t records = size / kMacroRecordSize;
    int count = store.MacroCount();
    if (count < 0 || count > static_cast<int>(kMaxMacros)) std::abort();
    for (int n = 1; n <= count && static_cast<size_t>(n) <= records; ++n) {
        MacroRecord r = DecodeMacroRecord(data + (n - 1) * kMacroRecordSize);
        if (store.Table().HotKeyOf(n) != r.HotKey || store.Table().ScopeOf(n) != r.Scope ||
            store.Table().ScopeNameOf(n) != r.ScopeName.substr(0, 20))
            std::abort();
        std::array<uint8_t, kMacroRecordSize> bytes;
        EncodeMacroRecord(r, bytes.data());
        if (!SameRecord(DecodeMacroRecord(bytes.data()), r)) std::abort();
    }
    return 0;
}
