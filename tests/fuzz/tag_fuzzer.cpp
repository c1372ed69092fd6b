// Any byte string as a macro text: recognising a tag at every position never
// reads past the end, no tag runs past the end, and a fixed-width tag written
// again from its fields reads back as the same tag.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "language/tag_recogniser.h"
#include "language/tag_writer.h"

using namespace tavrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exact-size heap copy, so ASan sees any read beyond the last character.
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (size_t pos = 0; pos < text.size(); ++pos) {
        TagMatch m = Recognise(text, pos);
        if (m.Length == 0 || pos + m.Length > text.size()) std::abort();
        if (!m.IsTag()) {
            if (m.Length != 1) std::abort();
            continue;
        }
        if (text[pos] != '<' || m.Pattern == nullptr) std::abort();
        if (!m.Pattern->FixedWidth) continue;
        const std::string again = WriteTag(m.Kind, m.Index, m.Fields);
        TagMatch back = Recognise(again, 0);
        if (back.Kind != m.Kind || back.Index != m.Index || back.Length != again.size())
            std::abort();
    }
    return 0;
}
