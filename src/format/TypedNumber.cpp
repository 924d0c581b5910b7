#include "format/TypedNumber.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>

#include "format/ShortDecimal.h"
#include "text/Characters.h"

namespace pexabit {

namespace {

// Exponent texts from this magnitude on saturate, their exact value kept in FarExponent: the
// readers only need to see a value far too large or too small for every format.
constexpr std::int64_t ExponentSaturation = 100'000'000'000'000'000;  // 10^17: times 10 plus 9 stays in 64 bits

constexpr std::string_view Examples = "1.5, -2e-3, 0x1.8p+1, inf or nan";
constexpr std::string_view Words[] = {"inf", "infinity", "nan", "snan"};

// The reading state: the whole text (positions in messages count from its start), the part
// left after the blanks at both ends, and the number built so far.
class Reader {
public:
    // Reads into `result`, whose Number the reading fills in place.
    Reader(std::string_view text, ParsedText& result) : text_(text), result_(result), number_(result.Number.emplace()) {
        while (end_ > 0 && IsBlank(text_[end_ - 1])) --end_;
        while (at_ < end_ && IsBlank(text_[at_])) ++at_;
    }

    void Read();

private:
    bool AtEnd() const { return at_ >= end_; }
    char Peek() const { return AtEnd() ? '\0' : text_[at_]; }
    bool Accept(char c) {
        if (Peek() != c) return false;
        ++at_;
        return true;
    }
    std::size_t Position(std::size_t byteOffset) const;
    bool Fail(std::string message);
    bool Unexpected(std::string_view expected);
    bool Incomplete(std::string_view what, std::size_t byteOffset, std::string_view needs);

    bool ReadSign();
    bool ReadBody();
    std::size_t MatchedLength(std::string_view word) const;
    bool ReadWord();
    bool RefuseWord(std::size_t matched);
    bool ReadPayload();
    bool ReadPayloadDigits();
    std::size_t ReadDigits(bool hex);
    bool ReadDecimal();
    bool FinishDecimal(std::int64_t exponent, std::size_t fractionDigits);
    bool ReadHex();
    bool ReadExponent(std::int64_t& exponent);
    bool ExpectEnd(std::string_view after);
    void AddToExponent(std::int64_t shift);
    void DropTrailingZeros(int digitWeight);

    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t end_ = text_.size();
    ParsedText& result_;
    TypedNumber& number_;
};

// Every character before the reading position was accepted (ASCII or the infinity sign), so
// counting the characters before it is exact.
std::size_t Reader::Position(std::size_t byteOffset) const {
    return CountCharacters(text_.substr(0, byteOffset)) + 1;
}

bool Reader::Fail(std::string message) {
    result_.Error = std::move(message);
    return false;
}

bool Reader::Unexpected(std::string_view expected) {
    return Fail("unexpected " + NameCharacter(text_, at_) + " at position " +
                std::to_string(Position(at_)) + ": expected " + std::string(expected));
}

bool Reader::Incomplete(std::string_view what, std::size_t byteOffset, std::string_view needs) {
    return Fail("incomplete number: " + std::string(what) + " at position " + std::to_string(Position(byteOffset)) +
                " " + std::string(needs));
}

void Reader::Read() {
    const bool read = ReadSign() && ReadBody();
    const auto digits = static_cast<std::int64_t>(number_.Digits.size());
    if (read && number_.Type == TypedNumber::Kind::Finite && digits > MaxExactDigits) {
        Fail("too many digits: this number has " + std::to_string(digits) + (number_.Hex ? " hexadecimal" : "") +
             " significant digits, more than the " + std::to_string(MaxExactDigits) +
             " (4 MiB) Pexabit reads; leading and trailing zeros and the exponent do not count, so round it to fewer digits");
    }
    if (!result_.Error.empty()) result_.Number.reset();
}

bool Reader::ReadSign() {
    if (AtEnd()) return Fail("empty text: type a number such as " + std::string(Examples));
    const std::size_t signAt = at_;
    number_.Negative = Peek() == '-';
    if (Peek() == '+' || Peek() == '-') ++at_;
    if (AtEnd()) return Incomplete("the sign", signAt, "needs a number after it, such as " + std::string(Examples));
    return true;
}

bool Reader::ReadBody() {
    if (text_.substr(at_, InfinitySign.size()) == InfinitySign) {
        number_.Type = TypedNumber::Kind::Infinity;
        at_ += InfinitySign.size();
        return ExpectEnd("the infinity sign");
    }
    if (Peek() == '0' && at_ + 1 < end_ && AsciiLower(text_[at_ + 1]) == 'x') return ReadHex();
    const char c = AsciiLower(Peek());
    if (c == 'i' || c == 'n' || c == 's') return ReadWord();
    return ReadDecimal();
}

bool Reader::ExpectEnd(std::string_view after) {
    if (AtEnd()) return true;
    return Unexpected("nothing after " + std::string(after));
}

// Characters of `word` that the text starts with at the reading position, in any case.
std::size_t Reader::MatchedLength(std::string_view word) const {
    std::size_t k = 0;
    while (k < word.size() && at_ + k < end_ && AsciiLower(text_[at_ + k]) == word[k]) ++k;
    return k;
}

// inf, infinity, nan and snan in any case. The longest word the text starts with wins; a text
// that stops inside a word, or leaves it, is refused at the first character no word continues.
bool Reader::ReadWord() {
    std::size_t longestPrefix = 0, fullMatch = 0;
    for (std::string_view word : Words) {
        const std::size_t k = MatchedLength(word);
        longestPrefix = std::max(longestPrefix, k);
        if (k == word.size()) fullMatch = std::max(fullMatch, k);
    }
    if (fullMatch == 0 || longestPrefix > fullMatch) return RefuseWord(longestPrefix);
    const bool infinity = AsciiLower(Peek()) == 'i';
    number_.Signalling = AsciiLower(Peek()) == 's';
    at_ += fullMatch;
    if (infinity) {
        number_.Type = TypedNumber::Kind::Infinity;
        return ExpectEnd(fullMatch == 3 ? "inf" : "infinity");
    }
    number_.Type = TypedNumber::Kind::Nan;
    return ReadPayload();
}

// The refusal of a text whose first `matched` letters (at least the first) begin a word but lead
// to none: the words that would continue them.
bool Reader::RefuseWord(std::size_t matched) {
    std::string expected;
    for (std::string_view word : Words) {
        if (MatchedLength(word) >= matched) {
            expected.append(expected.empty() ? "" : " or ").append(word);
        }
    }
    if (at_ + matched >= end_) return Incomplete("the word", at_, "is cut short: expected " + expected);
    at_ += matched;
    return Unexpected(expected);
}

// An optional (0x hexdigits) after nan or snan. A signalling NaN needs a nonzero payload: its
// quiet bit is clear, and an all-zero fraction would be an infinity.
bool Reader::ReadPayload() {
    if (!AtEnd() && !ReadPayloadDigits()) return false;
    if (number_.Signalling && number_.Payload == "0") {
        return Fail("snan needs a nonzero payload: with payload 0 its pattern would be an infinity; "
                    "leave the payload out for payload 1");
    }
    return true;
}

bool Reader::ReadPayloadDigits() {
    const std::size_t openAt = at_;
    if (!Accept('(')) return Unexpected("nothing after nan, or a payload such as (0x1F)");
    const bool prefix = Peek() == '0' && at_ + 1 < end_ && AsciiLower(text_[at_ + 1]) == 'x';
    if (!prefix && AtEnd()) return Incomplete("the payload", openAt, "needs 0x and hexadecimal digits, such as nan(0x1F)");
    if (!prefix) return Unexpected("0x: a payload is hexadecimal, such as nan(0x1F)");
    at_ += 2;
    std::string payload;
    const std::size_t digitsAt = at_;
    for (; !AtEnd() && IsHexDigit(Peek()); ++at_) {
        if (!payload.empty() || Peek() != '0') payload += Peek();
    }
    if (at_ == digitsAt && AtEnd()) return Incomplete("the payload", openAt, "needs hexadecimal digits after 0x, such as nan(0x1F)");
    if (at_ == digitsAt) return Unexpected("a hexadecimal digit");
    if (AtEnd()) return Incomplete("the payload", openAt, "needs a closing ')'");
    if (!Accept(')')) return Unexpected("a hexadecimal digit or ')'");
    number_.Payload = payload.empty() ? "0" : payload;
    return ExpectEnd("the payload");
}

// Decimal or hex digits into Digits (leading zeros dropped, hex digits as typed), appended as
// one run; returns how many were read.
std::size_t Reader::ReadDigits(bool hex) {
    const char* p = text_.data();
    const std::size_t start = at_, end = end_;
    std::size_t i = start;
    while (i < end && (hex ? IsHexDigit(p[i]) : IsDigit(p[i]))) ++i;
    std::size_t first = start;
    if (number_.Digits.empty()) {
        while (first < i && p[first] == '0') ++first;
    }
    number_.Digits.append(p + first, i - first);
    at_ = i;
    return i - start;
}

bool Reader::ReadDecimal() {
    const std::size_t integerDigits = ReadDigits(false);
    std::size_t fractionDigits = 0;
    const std::size_t separatorAt = at_;
    const bool separator = Accept('.') || Accept(',');
    if (separator) fractionDigits = ReadDigits(false);
    if (integerDigits + fractionDigits == 0) {
        if (!separator) return Unexpected("a digit, '.', ',', inf, infinity, nan, snan or 0x");
        if (AtEnd()) return Incomplete("the separator", separatorAt, "needs a digit before or after it, such as .5");
        return Unexpected("a digit after the separator");
    }
    std::int64_t exponent = 0;
    if (AsciiLower(Peek()) == 'e') return ReadExponent(exponent) && FinishDecimal(exponent, fractionDigits);
    if (AtEnd()) return FinishDecimal(0, fractionDigits);
    if (separator && (Peek() == '.' || Peek() == ',')) {
        return Unexpected("a digit or an exponent such as e5: a number has one separator at most");
    }
    return Unexpected(separator ? "a digit or an exponent such as e5" : "a digit, '.', ',' or an exponent such as e5");
}

bool Reader::FinishDecimal(std::int64_t exponent, std::size_t fractionDigits) {
    number_.Exponent = exponent;
    AddToExponent(-static_cast<std::int64_t>(fractionDigits));
    DropTrailingZeros(1);
    return true;
}

// 0x, hex digits with an optional ".", and the binary exponent that C99 requires.
bool Reader::ReadHex() {
    number_.Hex = true;
    const std::size_t prefixAt = at_;
    at_ += 2;
    const std::size_t integerDigits = ReadDigits(true);
    std::size_t fractionDigits = 0;
    const std::size_t separatorAt = at_;
    const bool separator = Accept('.');
    if (separator) fractionDigits = ReadDigits(true);
    if (integerDigits + fractionDigits == 0) {
        if (separator && AtEnd()) return Incomplete("the separator", separatorAt, "needs a hexadecimal digit before or after it, such as 0x.8p0");
        if (separator) return Unexpected("a hexadecimal digit after the separator");
        if (AtEnd()) return Incomplete("the prefix 0x", prefixAt, "needs hexadecimal digits and a binary exponent, such as 0x1.8p+1");
        return Unexpected("a hexadecimal digit or '.'");
    }
    if (AtEnd()) return Incomplete("the hexadecimal number", prefixAt, "needs a binary exponent such as p+1 at its end, e.g. 0x1.8p+1");
    if (AsciiLower(Peek()) != 'p') {
        return Unexpected(separator ? "a hexadecimal digit or the binary exponent p" : "a hexadecimal digit, '.' or the binary exponent p");
    }
    std::int64_t exponent = 0;
    if (!ReadExponent(exponent)) return false;
    number_.Exponent = exponent;
    AddToExponent(-4 * static_cast<std::int64_t>(fractionDigits));
    DropTrailingZeros(4);
    return true;
}

// The exponent from its marker (e or p) on: an optional sign and decimal digits, which end the
// number. Magnitudes from ExponentSaturation on stay there, the exact value in FarExponent.
bool Reader::ReadExponent(std::int64_t& exponent) {
    const std::size_t markerAt = at_++;
    const bool negative = Peek() == '-';
    const bool sign = Accept('+') || Accept('-');
    const std::size_t digitsAt = at_, end = end_;
    const char* p = text_.data();
    std::int64_t magnitude = 0;
    std::size_t i = digitsAt;
    for (; i < end && IsDigit(p[i]); ++i) {
        if (magnitude < ExponentSaturation) magnitude = magnitude * 10 + (p[i] - '0');
    }
    magnitude = std::min(magnitude, ExponentSaturation);
    at_ = i;
    if (at_ == digitsAt) {
        const std::string marker(1, text_[markerAt]);
        const std::string example = (number_.Hex ? "0x1" : "1") + marker + "-5";
        if (AtEnd()) return Incomplete("the exponent", markerAt, "needs digits after '" + marker + "', such as " + example);
        return Unexpected(sign ? "a digit of the exponent" : "a sign or a digit of the exponent");
    }
    if (!AtEnd()) return Unexpected("a digit of the exponent: the exponent ends the number");
    exponent = negative ? -magnitude : magnitude;
    if (magnitude == ExponentSaturation) {
        number_.FarExponent = WideInteger::FromDigits(negative, text_.substr(digitsAt, at_ - digitsAt));
    }
    return true;
}

void Reader::AddToExponent(std::int64_t shift) {
    number_.Exponent += shift;
    if (number_.FarExponent) *number_.FarExponent = *number_.FarExponent + shift;
}

// Trailing zero digits move into the exponent, each worth `digitWeight` (1 for a decimal digit,
// 4 for a hex digit); zero keeps exponent 0.
void Reader::DropTrailingZeros(int digitWeight) {
    std::size_t zeros = 0;
    while (zeros < number_.Digits.size() && number_.Digits[number_.Digits.size() - 1 - zeros] == '0') ++zeros;
    number_.Digits.resize(number_.Digits.size() - zeros);
    AddToExponent(static_cast<std::int64_t>(zeros) * digitWeight);
    if (number_.Digits.empty()) {
        number_.Exponent = 0;
        number_.FarExponent.reset();
    }
}

// The plain texts most inputs are: [sign] digits [sep [digits]] or [sign] sep digits, then
// optionally (e|E) [sign] and up to MaxPlainExponentDigits digits, with at most MaxPlainDigits
// significant digits and nothing around them. They are read here in one pass, to the record the
// Reader gives them; everything else (blanks, words, hex floats, long digit strings or exponents,
// malformed texts) is left to the Reader. False, with `number` unspecified: not such a text.
constexpr std::size_t MaxPlainDigits = 19;
constexpr int MaxPlainExponentDigits = 4;

// A run of digits from p on: those after the number's leading zeros are stored at digits + size,
// `size` counting them and `value` taking their value. The significant digits of a plain text are
// gathered so, in a local buffer, and written to the record once, when the whole text has been
// read as a plain one. Eight at a time while the text has eight bytes left: a word is checked,
// its digits up to the first other byte taken, and the word stored whole (the buffer has room
// for it at the last digit). False past MaxPlainDigits significant digits (the value would wrap:
// the text goes to the Reader). Returns with p after the run. Inlined into its two calls: as a
// call of its own, its pointer, count and value went through memory.
[[gnu::always_inline]] inline bool ReadPlainDigits(const char*& p, const char* end, char* digits, std::size_t& size,
                                                  std::uint64_t& value) {
    if (size == 0) {
        while (p != end && *p == '0') ++p;
    }
    while (end - p >= 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, p, sizeof word);
        const std::uint64_t others = NonDigitBytes(word);
        const int count = others == 0 ? 8 : std::countr_zero(others) / 8;
        if (count == 0) return true;
        if (size + static_cast<std::size_t>(count) > MaxPlainDigits) return false;
        std::memcpy(digits + size, &word, sizeof word);
        // Fewer than eight: the digits move to the top bytes, zero digits before them.
        constexpr std::uint64_t AsciiZeros = 0x3030303030303030ULL;
        const std::uint64_t kept = count == 8 ? word : (word << (64 - 8 * count)) | (AsciiZeros >> (8 * count));
        value = value * WordPowersOfTen[static_cast<std::size_t>(count)] + WordDigitsValue(kept);
        size += static_cast<std::size_t>(count);
        p += count;
        if (count < 8) return true;
    }
    for (; p != end; ++p) {
        const unsigned digit = static_cast<unsigned char>(*p) - unsigned{'0'};
        if (digit > 9) break;
        if (size == MaxPlainDigits) return false;
        digits[size++] = *p;
        value = value * 10 + digit;
    }
    return true;
}

bool ReadPlainDecimal(std::string_view text, TypedNumber& number) {
    const char* p = text.data();
    const char* const end = p + text.size();
    if (p != end && (*p == '+' || *p == '-')) number.Negative = *p++ == '-';
    char digits[MaxPlainDigits + 8];
    std::size_t size = 0;
    std::uint64_t value = 0;
    const char* const integerAt = p;
    if (!ReadPlainDigits(p, end, digits, size, value)) return false;
    const auto integerDigits = static_cast<std::size_t>(p - integerAt);
    std::size_t fractionDigits = 0;
    if (p != end && (*p == '.' || *p == ',')) {
        const char* const fractionAt = ++p;
        if (!ReadPlainDigits(p, end, digits, size, value)) return false;
        fractionDigits = static_cast<std::size_t>(p - fractionAt);
    }
    if (integerDigits + fractionDigits == 0) return false;
    std::int64_t exponent = 0;
    if (p != end && (*p == 'e' || *p == 'E')) {
        const bool negative = ++p != end && *p == '-';
        if (p != end && (*p == '+' || *p == '-')) ++p;
        const char* const digitsAt = p;
        const char* const stop = end - p > MaxPlainExponentDigits ? p + MaxPlainExponentDigits : end;
        for (; p != stop; ++p) {
            const unsigned digit = static_cast<unsigned char>(*p) - unsigned{'0'};
            if (digit > 9) break;
            exponent = exponent * 10 + digit;
        }
        if (p == digitsAt) return false;
        if (negative) exponent = -exponent;
    }
    if (p != end) return false;
    std::size_t zeros = 0;
    while (zeros < size && digits[size - 1 - zeros] == '0') ++zeros;
    number.Digits.assign(digits, size - zeros);
    number.ShortValue = zeros == 0 ? value : value / WordPowersOfTen[zeros];
    number.Exponent = number.Digits.empty() ? 0 : exponent - static_cast<std::int64_t>(fractionDigits) + static_cast<std::int64_t>(zeros);
    return true;
}

}  // namespace

WideInteger ExactExponent(const TypedNumber& number) {
    return number.FarExponent ? *number.FarExponent : WideInteger(number.Exponent);
}

void ParseTypedNumber(std::string_view text, ParsedText& result) {
    result.Error.clear();
    TypedNumber& number = result.Number ? *result.Number : result.Number.emplace();
    // Every field back to its default, the digits' storage kept for this text.
    number.Type = TypedNumber::Kind::Finite;
    number.Negative = number.Hex = number.Signalling = false;
    number.Digits.clear();
    number.Exponent = 0;
    number.ShortValue = 0;
    number.FarExponent.reset();
    number.Payload.reset();
    if (ReadPlainDecimal(text, number)) return;
    Reader(text, result).Read();
}

ParsedText ParseTypedNumber(std::string_view text) {
    ParsedText result;
    ParseTypedNumber(text, result);
    return result;
}

}  // namespace pexabit
