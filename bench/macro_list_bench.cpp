// The macro list of a full macro file: filling and sorting 500 macros under
// each "Primary Sort", and search by typing over the sorted rows.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "fakes/fake_clock.h"
#include "fakes/fake_files.h"
#include "fakes/fake_hook_library.h"
#include "fakes/fake_messages.h"
#include "forms/grid_search.h"
#include "forms/macro_sort.h"
#include "language/ansi_text.h"
#include "store/macro_store.h"
#include "triggers/activation_text.h"

using namespace tavrin;

namespace {

const std::string kFile = "C:\\TAVRIN\\KELDA.ZYN";

// 496 macros of every activation kind and scope, beside the 4 system macros.
std::vector<uint8_t> FullFile() {
    std::vector<uint8_t> bytes(496 * kMacroRecordSize);
    const uint16_t kinds[] = {kHotKeyTimed, kHotKeyQuillet, kHotKeyNone, kHotKeyWindowTitle};
    for (int k = 0; k < 496; ++k) {
        MacroRecord r;
        r.Nickname = "Macro number " + std::to_string((k * 7919) % 1000);
        r.HotKey = k % 5 == 4 ? kinds[k % 4] : static_cast<uint16_t>((k * 37) % 700);
        r.QuilletName = "q" + std::to_string(k);
        r.Scope = static_cast<int16_t>(1 + k % 4);
        r.ScopeName = "Window " + std::to_string(k % 50);
        r.MacroText = "text";
        r.IconFile = "MAIN";
        EncodeMacroRecord(r, &bytes[k * kMacroRecordSize]);
    }
    return bytes;
}

double MicrosecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
        .count();
}

}  // namespace

int main() {
    FakeFiles files;
    FakeHookLibrary hooks;
    FakeMessages messages;
    FakeClock clock;
    std::string current;
    files.contents[kFile] = FullFile();
    MacroStore store(files, hooks, messages, clock, "C:\\TAVRIN", current);
    store.LoadMacroFile(kFile);
    Settings settings;
    std::printf("macro list: %d macros\n", store.MacroCount());
    constexpr int kRuns = 50;
    for (const char* primary : {"123", "213", "321"}) {
        settings.PrimarySort = primary;
        std::vector<int> rows;
        const auto start = std::chrono::steady_clock::now();
        for (int run = 0; run < kRuns; ++run) rows = FillList(store, settings);
        std::printf("  fill and sort, Primary Sort %s: %.0f us each\n", primary,
                    MicrosecondsSince(start) / kRuns);
    }
    const std::vector<int> rows = FillList(store, settings);
    std::vector<std::string> texts;
    const auto textsStart = std::chrono::steady_clock::now();
    for (int n : rows) texts.push_back(UpperCase(ActivationText(store, n)));
    std::printf("  activation texts of the rows: %.0f us\n", MicrosecondsSince(textsStart));
    // The worst case: a search that finds nothing scans every row.
    GridSearch search;
    const std::string typed = "ctrl+alt+shift+zz";
    const auto start = std::chrono::steady_clock::now();
    int found = 0;
    for (int run = 0; run < kRuns; ++run) {
        search.Reset();
        for (char c : typed) found += search.Typed(c, texts) > 0;
    }
    std::printf("  search by typing: %.2f us per key (%d keys found a row)\n",
                MicrosecondsSince(start) / (kRuns * typed.size()), found / kRuns);
    return 0;
}
