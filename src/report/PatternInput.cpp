#include "report/PatternInput.h"

#include <string>

#include "text/Characters.h"

namespace pexabit {

namespace {

constexpr int BitsPerByte = 8;
constexpr std::size_t DigitsPerByte = 2;
constexpr int BitsPerHexDigit = 4;
// What may stand between the bytes of a pattern copied from a dump, besides blanks and tabs.
constexpr std::string_view SeparatorMarks = ":_-,";

// The bytes of the pattern in the opposite order: byte i moves to byte (Bytes - 1 - i).
Bits128 ReverseBytes(const FloatFormat& format, Bits128 pattern) {
    Bits128 reversed = 0;
    for (int i = 0; i < format.Bytes(); ++i, pattern >>= BitsPerByte) reversed = (reversed << BitsPerByte) | (pattern & 0xFF);
    return reversed;
}

// A separator between two groups of digits: blanks and tabs, or one mark with blanks and tabs
// around it ("0x3f, 0xb9" as a C array gives it). Kind is the mark, or ' ' for blanks alone.
struct Separator {
    std::size_t Length = 0;  // 0: none at this place
    char Kind = ' ';
};

Separator ReadSeparator(std::string_view text, std::size_t at) {
    Separator s;
    std::size_t i = at;
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i < text.size() && SeparatorMarks.find(text[i]) != std::string_view::npos) s.Kind = text[i++];
    while (s.Kind != ' ' && i < text.size() && IsBlank(text[i])) ++i;
    s.Length = i - at;
    return s;
}

std::string SeparatorName(char kind) { return kind == ' ' ? "blanks" : std::string("'") + kind + "'"; }

// The reading of one pattern text: its groups of hex digits (each after an optional 0x) and the
// separators between them, checked as they come.
class PatternReader {
public:
    PatternReader(std::string_view text, std::size_t begin, std::size_t end)
        : text_(text.substr(0, end)), at_(begin) {}
    // Reads every group; false with Error set where the text is no pattern.
    bool Read();
    // The digits of all the groups as one number (its low 128 bits), and how many there are.
    Bits128 Bits() const { return bits_; }
    std::size_t DigitCount() const { return digitCount_; }
    std::string Error;

private:
    bool Unexpected(std::size_t at);
    bool CheckGroup(std::size_t groupAt, std::size_t count);
    std::string_view text_;
    std::size_t at_;
    Bits128 bits_ = 0;
    std::size_t digitCount_ = 0;
    char kind_ = 0;  // the first separator's kind; 0 before any
    std::size_t kindAt_ = 0;
};

bool PatternReader::Unexpected(std::size_t at) {
    // Every character before the one named is ASCII, so its byte offset is its position.
    Error = "unexpected " + NameCharacter(text_, at) + " at position " + std::to_string(at + 1) + ": expected a hex digit";
    return false;
}

// A group next to a separator must be whole bytes.
bool PatternReader::CheckGroup(std::size_t groupAt, std::size_t count) {
    if (count % DigitsPerByte == 0) return true;
    Error = "a group of " + std::to_string(count) + " hex digits at position " + std::to_string(groupAt + 1) +
            ": separators stand only between whole bytes, 2 hex digits each";
    return false;
}

bool PatternReader::Read() {
    for (;;) {
        const std::size_t groupAt = at_;
        if (text_.size() - at_ >= 2 && text_[at_] == '0' && (text_[at_ + 1] == 'x' || text_[at_ + 1] == 'X')) at_ += 2;
        const std::size_t digitsAt = at_;
        for (; at_ < text_.size() && IsHexDigit(text_[at_]); ++at_) {
            bits_ = (bits_ << BitsPerHexDigit) | static_cast<unsigned>(HexDigitValue(text_[at_]));
        }
        const std::size_t count = at_ - digitsAt;
        digitCount_ += count;
        if (at_ == text_.size() && count == 0 && kind_ != 0) {
            Error = "no hex digits after the 0x at position " + std::to_string(groupAt + 1);
            return false;
        }
        if (at_ == text_.size()) return kind_ == 0 || CheckGroup(groupAt, count);
        const Separator separator = count > 0 ? ReadSeparator(text_, at_) : Separator{};
        // No separator here, or one that ends the text: the character is not part of a pattern.
        if (separator.Length == 0 || at_ + separator.Length == text_.size()) return Unexpected(at_);
        if (!CheckGroup(groupAt, count)) return false;
        if (kind_ != 0 && separator.Kind != kind_) {
            Error = "the separators differ: " + SeparatorName(kind_) + " at position " + std::to_string(kindAt_ + 1) +
                    ", " + SeparatorName(separator.Kind) + " at position " + std::to_string(at_ + 1) +
                    "; use one kind between all the bytes";
            return false;
        }
        if (kind_ == 0) kindAt_ = at_;
        kind_ = separator.Kind;
        at_ += separator.Length;
    }
}

}  // namespace

PatternText ReadPatternText(const FloatFormat& format, std::string_view text, bool bytesLe) {
    PatternText r;
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    PatternReader reader(text, begin, end);
    if (!reader.Read()) {
        r.Error = std::move(reader.Error);
        return r;
    }
    const auto width = static_cast<std::size_t>(format.HexDigits());
    if (reader.DigitCount() != width) {
        r.Error = std::string(IndefiniteArticle(format.Name)).append(" ").append(format.Name) + " pattern has " +
                  std::to_string(width) + " hex digits, not " + std::to_string(reader.DigitCount());
        return r;
    }
    r.Pattern = bytesLe ? ReverseBytes(format, reader.Bits()) : reader.Bits();
    return r;
}

}  // namespace pexabit
