#include "language/tag_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "language/ansi_text.h"
#include "language/tag_table.h"

namespace tavrin {
namespace {

std::string ZeroFilled(long value, size_t width) {
    long largest = 1;
    for (size_t k = 0; k < width; ++k) largest *= 10;
    std::string digits = std::to_string(std::clamp(value, 0L, largest - 1));
    return std::string(width - digits.size(), '0') + digits;
}

std::string Signed(long value) {
    if (value < 0) return "-" + ZeroFilled(-std::max(value, -9999L), 4);
    return ZeroFilled(value, 5);
}

// Two decimals; one leading zero when a single digit stands before the point.
std::string Real(double value) {
    if (std::isnan(value)) value = 0;
    long cents = std::lround(std::clamp(value, -9.99, 99.99) * 100);
    std::string text = std::to_string(std::labs(cents) / 100) + "." +
                       ZeroFilled(std::labs(cents) % 100, 2);
    if (cents < 0) text = "-" + text;
    return text.size() == 4 ? "0" + text : text;
}

char LetterOf(char letter, const char* set) {
    return letter != '\0' && std::strchr(set, letter) ? letter : set[0];
}

}  // namespace

std::string WriteTag(TagKind kind, int index, const TagFields& fields) {
    const TagPattern* pattern = FindTagPattern(kind, index);
    if (!pattern) return "";
    std::string out = pattern->Keyword;
    size_t number = 0, letter = 0, text = 0;
    for (const FieldLayout& f : pattern->Fields) {
        switch (f.Type) {
            case FieldType::Number:
            case FieldType::KeyNumber:
                out += ZeroFilled(fields.Numbers[number++], f.Width);
                if (f.Type == FieldType::KeyNumber) out += '>';
                break;
            case FieldType::Signed:
                out += Signed(fields.Numbers[number++]);
                break;
            case FieldType::Real:
                out += Real(fields.Real);
                break;
            case FieldType::Separator:
                out += f.Char;
                break;
            case FieldType::Letter:
            case FieldType::Choice:
                out += LetterOf(fields.Letters[letter++], f.Chars);
                break;
            case FieldType::Flags:
                for (const char* c = f.Chars; *c; ++c)
                    if (fields.Flags.find(*c) != std::string::npos) out += *c;
                break;
            case FieldType::Literal:
                out += f.Chars;
                break;
            case FieldType::Text:
                out += fields.Texts[text++];
                out += f.Char;
                break;
            case FieldType::Title:
                out += fields.CurrentWindow ? std::string(kCurrentWindowMarker)
                                            : Trim(fields.Texts[text]);
                ++text;
                out += f.Char;
                break;
            case FieldType::LaunchText:
                out += fields.Texts[text];
                if (!fields.Texts[text + 1].empty()) out += "<PARAM>" + fields.Texts[text + 1];
                text += 2;
                out += '>';
                break;
            case FieldType::Close:
            case FieldType::LooseClose:
                out += '>';
                break;
            case FieldType::None:
                break;
        }
    }
    return out;
}

}  // namespace tavrin
