// Throughput of the tag recogniser: a large macro text of literal text, tags
// of every kind and near-miss tags, read the way the player reads it.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "language/tag_recogniser.h"
#include "language/tag_table.h"
#include "language/tag_writer.h"

using namespace tavrin;

namespace {

std::vector<std::string> SampleTags() {
    std::vector<std::string> tags;
    for (const TagPattern& p : TagTable()) {
        TagFields f;
        f.Numbers = {12, 34, 5};
        f.Real = 1.5;
        f.Texts = {"Untitled - Notepad", "C:\\WINDOWS\\NOTEPAD.EXE", "README.TXT"};
        f.Flags = "PS";
        tags.push_back(WriteTag(p.Kind, p.Index, f));
    }
    return tags;
}

std::string BuildText(size_t size) {
    const std::vector<std::string> tags = SampleTags();
    const char* literals[] = {"Dear Sir or Madam, ", "a<b ", "Regards\r\n", "<enter>",
                              "<DELAY:1.5>", "<KEYDEL:02>", "x > y ", "<<", "<WAITLM:00"};
    uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, seed >> 8; };
    std::string text;
    text.reserve(size + 256);
    while (text.size() < size) {
        uint32_t r = next();
        if (r % 3 == 0)
            text += literals[next() % (sizeof literals / sizeof *literals)];
        else
            text += tags[next() % tags.size()];
    }
    return text;
}

}  // namespace

int main() {
    const std::string text = BuildText(10u << 20);
    std::printf("recogniser: %.1f MB of macro text, %zu tag patterns\n",
                text.size() / 1048576.0, TagTable().size());
    for (int run = 1; run <= 5; ++run) {
        auto start = std::chrono::steady_clock::now();
        size_t tags = 0, calls = 0;
        for (size_t pos = 0; pos < text.size();) {
            if (text[pos] != '<') {
                ++pos;
                continue;
            }
            TagMatch m = Recognise(text, pos);
            ++calls;
            tags += m.IsTag();
            pos += m.Length;
        }
        double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("run %d: %7.1f MB/s  %6.2f M tags/s  %5.0f ns per call (%zu tags, %zu calls)\n",
                    run, text.size() / 1048576.0 / seconds, tags / seconds / 1e6,
                    seconds * 1e9 / calls, tags, calls);
    }
    return 0;
}
