#include "language/tag_recogniser.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <vector>

namespace tavrin {
namespace {

// The patterns by the character after their "<". Within a bucket the order
// does not matter: no keyword is a prefix of another.
using Buckets = std::array<std::vector<const TagPattern*>, 256>;

const Buckets& PatternsByFirstCharacter() {
    static const Buckets buckets = [] {
        Buckets b;
        for (const TagPattern& p : TagTable())
            b[static_cast<unsigned char>(p.Keyword[1])].push_back(&p);
        return b;
    }();
    return buckets;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The value of the digits of text[from, from + width) up to the first
// character that is not a digit; valid if all width characters are digits.
// Stops adding digits once the value has nine, which makes it invalid.
int ReadDigits(const std::string& text, size_t from, size_t width, bool& valid) {
    int value = 0;
    valid = true;
    for (size_t k = 0; k < width; ++k) {
        size_t i = from + k;
        if (i >= text.size() || !IsDigit(text[i]) || value >= 100000000) {
            valid = false;
            break;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// Five digits, or "-" and four digits.
int ReadSigned(const std::string& text, size_t from, bool& valid) {
    if (from < text.size() && text[from] == '-') return -ReadDigits(text, from + 1, 4, valid);
    return ReadDigits(text, from, 5, valid);
}

// A decimal number with an optional sign and point filling all five
// characters. Otherwise invalid, with the value of the number's beginning.
double ReadReal(const std::string& text, size_t from, bool& valid) {
    const size_t end = std::min(from + 5, text.size());
    size_t i = from;
    bool negative = false;
    if (i < end && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long digits = 0, scale = 1;
    int count = 0;
    for (; i < end && IsDigit(text[i]); ++i, ++count) digits = digits * 10 + (text[i] - '0');
    if (i < end && text[i] == '.')
        for (++i; i < end && IsDigit(text[i]); ++i, ++count, scale *= 10)
            digits = digits * 10 + (text[i] - '0');
    valid = count > 0 && i == from + 5;
    double value = static_cast<double>(digits) / static_cast<double>(scale);
    return negative ? -value : value;
}

// "<code{Y}>": the short form of a date tag, read with a day count of 0.
bool IsShortDate(const std::string& text, size_t pos, const TagPattern& p) {
    size_t k = pos + p.Keyword.size();
    return p.ShortDateForm && k + 2 < text.size() && text[k + 2] == '>';
}

bool InSet(char c, const char* set) { return c != '\0' && std::strchr(set, c) != nullptr; }

class FieldReader {
public:
    FieldReader(const std::string& text, size_t pos, TagFields& out)
        : text_(text), pos_(pos), i_(pos), out_(out) {}

    // Reads the fields of p after its keyword; false if the text is not that tag.
    bool Read(const TagPattern& p) {
        i_ += p.Keyword.size();
        if (IsShortDate(text_, pos_, p)) {
            out_.Letters = {text_[i_], 'F'};
            i_ += 3;
            return true;
        }
        for (const FieldLayout& f : p.Fields) {
            if (ended_ || i_ >= text_.size()) break;
            if (!ReadField(f)) return false;
        }
        return true;
    }

    size_t End() const { return i_; }

private:
    bool ReadField(const FieldLayout& f) {
        const size_t n = text_.size();
        switch (f.Type) {
            case FieldType::Number:
                out_.Numbers[number_] = ReadDigits(text_, i_, f.Width, out_.NumberValid[number_]);
                ++number_;
                i_ = std::min(i_ + f.Width, n);
                return true;
            case FieldType::Signed:
                out_.Numbers[number_] = ReadSigned(text_, i_, out_.NumberValid[number_]);
                ++number_;
                i_ = std::min(i_ + f.Width, n);
                return true;
            case FieldType::Real:
                out_.Real = ReadReal(text_, i_, out_.RealValid);
                i_ = std::min(i_ + f.Width, n);
                return true;
            case FieldType::Separator:
            case FieldType::LooseClose:
                ++i_;
                return true;
            case FieldType::Letter:
                out_.Letters[letter_++] = text_[i_++];
                return true;
            case FieldType::Choice:
                if (!InSet(text_[i_], f.Chars)) return false;
                out_.Letters[letter_++] = text_[i_++];
                return true;
            case FieldType::Close:
                return text_[i_++] == '>';
            case FieldType::Literal: {
                // Only the characters the text still has are compared.
                size_t count = std::min(std::strlen(f.Chars), n - i_);
                if (text_.compare(i_, count, f.Chars, count) != 0) return false;
                i_ += count;
                return true;
            }
            case FieldType::Flags:
                for (const char* c = f.Chars; *c; ++c)
                    if (i_ < n && text_[i_] == *c) {
                        out_.Flags += *c;
                        ++i_;
                    }
                return true;
            case FieldType::Text:
            case FieldType::Title:
                ReadText(f.Char, out_.Texts[text_slot_]);
                if (f.Type == FieldType::Title && out_.Texts[text_slot_] == kCurrentWindowMarker)
                    out_.CurrentWindow = true;
                ++text_slot_;
                return true;
            case FieldType::KeyNumber: {
                size_t from = i_;
                std::string digits;
                ReadText('>', digits);
                out_.Numbers[number_] =
                    ReadDigits(text_, from, digits.size(), out_.NumberValid[number_]);
                if (digits.empty()) out_.NumberValid[number_] = false;
                ++number_;
                return true;
            }
            case FieldType::LaunchText:
                ReadLaunchText();
                return true;
            case FieldType::None:
                break;
        }
        return true;
    }

    // Free text up to the terminator, which is passed over. A ">" ends the
    // text and the tag; so does the end of the text.
    void ReadText(char terminator, std::string& value) {
        const size_t n = text_.size();
        size_t j = i_;
        while (j < n && text_[j] != terminator && text_[j] != '>') ++j;
        value.assign(text_, i_, j - i_);
        if (j == n) {
            i_ = n;
            ended_ = true;
            return;
        }
        if (text_[j] != terminator) ended_ = true;
        i_ = j + 1;
    }

    // The path runs to the next ">"; if "<PARAM" stands in it, the path ends
    // there and the parameters run from after that ">" to the next one.
    void ReadLaunchText() {
        const size_t n = text_.size();
        size_t close = text_.find('>', i_);
        if (close == std::string::npos) close = n;
        static constexpr char kParam[] = "<PARAM";
        auto from = text_.begin() + static_cast<std::ptrdiff_t>(i_);
        auto to = text_.begin() + static_cast<std::ptrdiff_t>(close);
        size_t marker = static_cast<size_t>(std::search(from, to, kParam, kParam + 6) - text_.begin());
        if (marker < close) {
            out_.Texts[text_slot_++].assign(text_, i_, marker - i_);
            i_ = std::min(close + 1, n);
            ReadText('>', out_.Texts[text_slot_++]);
        } else {
            out_.Texts[text_slot_++].assign(text_, i_, close - i_);
            i_ = std::min(close + 1, n);
            text_slot_++;
        }
        ended_ = true;
    }

    const std::string& text_;
    const size_t pos_;
    size_t i_;
    TagFields& out_;
    bool ended_ = false;
    size_t number_ = 0, letter_ = 0, text_slot_ = 0;
};

}  // namespace

TagMatch Recognise(const std::string& text, size_t pos) {
    TagMatch match;
    if (pos >= text.size()) {
        match.Length = 0;
        return match;
    }
    if (text[pos] != '<' || pos + 1 >= text.size()) return match;
    for (const TagPattern* p : PatternsByFirstCharacter()[static_cast<unsigned char>(text[pos + 1])]) {
        if (text.compare(pos, p->Keyword.size(), p->Keyword) != 0) continue;
        // The only pattern whose keyword stands here: the tag is this or none.
        // A fixed-width tag needs all its characters.
        if (p->FixedWidth && pos + p->EndOffset >= text.size() && !IsShortDate(text, pos, *p))
            return match;
        FieldReader reader(text, pos, match.Fields);
        if (!reader.Read(*p)) return TagMatch{};
        match.Kind = p->Kind;
        match.Index = p->Index;
        match.Pattern = p;
        match.Length = reader.End() - pos;
        return match;
    }
    return match;
}

}  // namespace tavrin
