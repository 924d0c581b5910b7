#include "format/Shortest.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cassert>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string_view>

#include "arith/ExactExpansion.h"
#include "arith/Powers.h"
#include "format/CanonicalValue.h"
#include "format/ShortestDigits.h"
#include "text/Characters.h"

namespace pexabit {

namespace {

// Texts are built right to left around the digits, which end at DigitsEnd: the longest (36
// digits of binary128 with sign, point and "0." or zeros, never longer than its scientific form
// of 45 characters) fits before it, with the 24-character chunks of the digit writer, and the
// exponent "e-4966" after it.
constexpr std::size_t DigitsEnd = 72;
constexpr std::size_t TextCapacity = 96;
constexpr int MinExponentDigits = 2;  // "e+05", as printf writes exponents

// The eight digits of v < 10^8, leading zeros included: two independent halves, so the
// divisions by constants overlap instead of chaining digit after digit.
void WriteEight(std::uint32_t v, char* out) {
    const std::uint32_t high = v / 10000, low = v % 10000;
    WriteDigitPair(out, high / 100);
    WriteDigitPair(out + 2, high % 100);
    WriteDigitPair(out + 4, low / 100);
    WriteDigitPair(out + 6, low % 100);
}

constexpr const auto& PowersOfTen = WordPowersOfTen;
constexpr std::uint64_t TenTo8 = PowersOfTen[8], TenTo16 = PowersOfTen[16], TenTo19 = PowersOfTen[19];
constexpr std::size_t ChunkWidth = 24;

// Decimal digits of v >= 1: log10(2) ~= 1233 / 4096 estimates floor(log10(v)) from the bit
// width, one comparison corrects it.
int DigitCount(std::uint64_t v) {
    const int t = std::bit_width(v) * 1233 >> 12;
    return t + 1 - (v < PowersOfTen[static_cast<std::size_t>(t)] ? 1 : 0);
}

// The 24 digits of u (leading zeros included) ending just before `end`.
void WriteChunks(std::uint64_t u, char* end) {
    const std::uint64_t rest = u % TenTo16;
    WriteEight(static_cast<std::uint32_t>(u / TenTo16), end - ChunkWidth);
    WriteEight(static_cast<std::uint32_t>(rest / TenTo8), end - 16);
    WriteEight(static_cast<std::uint32_t>(rest % TenTo8), end - 8);
}

// The digits of v >= 1 ending just before `end`, written in 24-character chunks that may scribble
// up to 24 characters before them; returns where they start.
char* WriteDigitsBefore(Bits128 v, char* end) {
    if ((v >> 64) != 0) {
        WriteChunks(static_cast<std::uint64_t>(v % TenTo19), end);
        return WriteDigitsBefore(v / TenTo19, end - 19);
    }
    WriteChunks(static_cast<std::uint64_t>(v), end);
    return end - DigitCount(static_cast<std::uint64_t>(v));
}

// Digits of a decimal exponent: below 10^4 in every format (binary128 reaches 4966).
int DecimalWidth(int v) { return v < 10 ? 1 : v < 100 ? 2 : v < 1000 ? 3 : 4; }

// Lengths of digits * 10^exponent (n digits, scientific exponent x) in each notation.
int ScientificLength(int n, int x) {
    return n + (n > 1 ? 1 : 0) + 2 + std::max(MinExponentDigits, DecimalWidth(std::abs(x)));
}
int FixedLength(int n, int exponent, int x) {
    if (exponent >= 0) return n + exponent;  // digits and zeros
    if (x >= 0) return n + 1;                // the point among the digits
    return n + 1 - x;                        // "0.", zeros, digits
}

// d.ddd: the first digit moves one place left into the room before the digits, the point takes
// its place. Returns the text's start; `end` gets the exponent. Inlined in both writers: the
// common one pays for a call.
[[gnu::always_inline]] inline char* Scientific(char* digits, int n, int x, char*& end) {
    char* start = digits - 1;
    start[0] = digits[0];
    if (n > 1) digits[0] = '.';
    else end = digits;
    *end++ = 'e';
    *end++ = x < 0 ? '-' : '+';
    const auto e = static_cast<std::uint32_t>(std::abs(x));  // below 10^4 in every format
    if (e >= 1000) {
        WriteDigitPair(end, e / 100);
        end += 2;
    } else if (e >= 100) {
        *end++ = static_cast<char>('0' + e / 100);
    }
    WriteDigitPair(end, e % 100);
    end += 2;
    return start;
}

// A value with a fraction: the point among the digits, or "0." and zeros before them.
char* FixedFraction(char* digits, int x) {
    if (x >= 0) {
        std::memmove(digits - 1, digits, static_cast<std::size_t>(x + 1));
        digits[x] = '.';
        return digits - 1;
    }
    char* start = digits - (1 - x);
    start[0] = '0';
    start[1] = '.';
    std::fill(start + 2, digits, '0');
    return start;
}

// The exact digits of an integer value M * 2^e ending before `end`: within 128 bits by shifting,
// else expanded.
char* IntegerBefore(const StoredValue& v, char* end) {
    if (v.Exponent <= 0) return WriteDigitsBefore(v.Significand >> -v.Exponent, end);
    if (BitWidth128(v.Significand) + v.Exponent <= 128) return WriteDigitsBefore(v.Significand << v.Exponent, end);
    DecimalExpansion expansion;
    ExpandExact(v.Significand, v.Exponent, expansion);
    return std::copy_backward(expansion.Integer.begin(), expansion.Integer.end(), end);
}

// A text of the value: a decimal in one notation, or the value's own integer digits (fixed).
struct TextChoice {
    ShortestDecimal Decimal;
    bool Scientific = false;
    bool ExactValue = false;
    int Length = 0;
};

// Where the interval holds 10^m (see PowerInInterval), the texts that can be shortest, nearest
// to the value first:
// - the value's own integer digits, where 10^m >= 1 makes it an integer (see
//   WriteShortestDecimal);
// - the fewest digits d: one digit, the nearest such decimal;
// - 10^m where d lies below it (above it, 10^m is no nearer than d and its texts are as long);
// - 10^m - 1 where the value lies at or above 10^m: the nearest integer below 10^m.
// Nothing else below 10^m is shorter, or as short and nearer. A fixed text with a fraction there
// is longer than that of 10^m (0.09 against 0.1); a fixed integer is as long as the value (where
// that lies below 10^m) or else 10^m - 1, which then reads back too and is nearer. A scientific
// text of more than one digit outgrows that of 10^m by more than the one exponent digit it may
// save; one of one digit is as long as that of 10^m and farther from the value than d, save just
// below 10^100 and 10^1000, where its exponent is a digit shorter, but no format has an interval
// wide enough to hold 9 * 10^99 and 10^100 (that takes E5M2's or E4M3's 10 %, and their values
// stay below 10^5). Of the shortest the nearest wins, fixed before scientific.
TextChoice ChooseAroundPower(const ShortestDecimal& d, const PowerInInterval& p) {
    TextChoice best;
    best.Length = std::numeric_limits<int>::max();
    const auto weigh = [&](ShortestDecimal c) {
        const int n = DigitCount(static_cast<std::uint64_t>(c.Digits)), x = c.Exponent + n - 1;  // few digits
        if (FixedLength(n, c.Exponent, x) < best.Length) best = {c, false, false, FixedLength(n, c.Exponent, x)};
        if (ScientificLength(n, x) < best.Length) best = {c, true, false, ScientificLength(n, x)};
    };
    const int m = p.Power;
    if (m >= 0) best = {{}, false, true, p.ValueBelow ? m : m + 1};
    weigh(d);
    if (d.Exponent < m) weigh({1, m});
    // Beats the others only while shorter than d's scientific text: m below 7.
    if (p.IntegerBelow && !p.ValueBelow && m < best.Length) weigh({PowersOfTen[static_cast<std::size_t>(m)] - 1, 0});
    return best;
}

// The text from `start` to `end` to `out`, with the value's sign; returns its end.
char* CopySigned(const StoredValue& v, char* start, char* end, [[maybe_unused]] const char* text, char* out) {
    if (v.Negative) *--start = '-';
    assert(start >= text && end <= text + TextCapacity && end - start <= std::ptrdiff_t{ShortestTextCapacity});
    return std::copy(start, end, out);
}

// The text where the interval holds a power of ten, to `out`; returns its end. Cold: rare, and
// kept apart so that the writers stay inlined in the common path.
[[gnu::cold]] char* WriteAroundPower(const StoredValue& v, const ShortestDecimal& fewest, const PowerInInterval& p, char* out) {
    const TextChoice choice = ChooseAroundPower(fewest, p);
    char text[TextCapacity];
    char* end = text + DigitsEnd;
    char* start = nullptr;
    if (choice.ExactValue) {
        start = IntegerBefore(v, end);
    } else {
        const ShortestDecimal& d = choice.Decimal;
        char* digits = WriteDigitsBefore(d.Digits, end);
        const int n = static_cast<int>(end - digits);
        const int x = d.Exponent + n - 1;
        if (choice.Scientific) {
            start = Scientific(digits, n, x, end);
        } else if (d.Exponent < 0) {
            start = FixedFraction(digits, x);
        } else {
            end = std::fill_n(end, d.Exponent, '0');  // shorter than a scientific text: few zeros
            start = digits;
        }
    }
    return CopySigned(v, start, end, text, out);
}

// The text of a finite nonzero value from its shortest candidates, to `out`; returns its end.
char* WriteShortestDecimal(const StoredValue& v, const ShortestCandidates& candidates, char* out) {
    if (candidates.Power) return WriteAroundPower(v, candidates.Fewest, *candidates.Power, out);
    // All that reads back lies in one decade, where fewer digits make a shorter text in either
    // notation, and a fixed text without a fraction is as long as the decade's integers: the
    // fewest digits in the shorter notation, fixed where both are as long.
    const ShortestDecimal& d = candidates.Fewest;
    char text[TextCapacity];
    char* end = text + DigitsEnd;
    char* digits = WriteDigitsBefore(d.Digits, end);
    const int n = static_cast<int>(end - digits);
    const int x = d.Exponent + n - 1;
    char* start = nullptr;
    if (FixedLength(n, d.Exponent, x) > ScientificLength(n, x)) {
        start = Scientific(digits, n, x, end);
    } else if (d.Exponent < 0) {
        start = FixedFraction(digits, x);
    } else {
        // Digits with no fraction read back: an integer lies within half a unit of the value's
        // last bit. Where that unit is below 1 the distance, a multiple of it, must be 0, so the
        // value is an integer itself, and its exact digits are the nearest text of that length.
        assert(v.Exponent >= 0 || (v.Significand & LowBits(-v.Exponent)) == 0);
        start = IntegerBefore(v, end);
    }
    return CopySigned(v, start, end, text, out);
}

bool SameLayout(const FloatFormat& a, const FloatFormat& b) {
    return a.TotalBits == b.TotalBits && a.ExponentBits == b.ExponentBits && a.StoredIntegerBit == b.StoredIntegerBit;
}

// Single and double: the same rule, as the C++ library writes it for float and double.
template <class Float, class Bits>
char* LibraryShortest(const StoredValue& value, char* out) {
    const auto number = std::bit_cast<Float>(static_cast<Bits>(value.Pattern));
    return std::to_chars(out, out + ShortestTextCapacity, number).ptr;
}

// `text` to `out`; returns its end.
char* CopyText(std::string_view text, char* out) { return std::copy(text.begin(), text.end(), out); }

}  // namespace

char* WriteShortestTextByRule(const FloatFormat& format, const StoredValue& value, char* out) {
    switch (value.Class) {
        case ValueClass::QuietNan:
        case ValueClass::SignallingNan:
            return nullptr;
        case ValueClass::Noncanonical: {
            const std::optional<StoredValue> canonical = CanonicalValue(format, value);
            if (!canonical) return nullptr;
            return WriteShortestTextByRule(format, *canonical, out);
        }
        case ValueClass::Infinite:
            return CopyText(value.Negative ? "-inf" : "inf", out);
        case ValueClass::Zero:
            return CopyText(value.Negative ? "-0" : "0", out);
        case ValueClass::Subnormal:
        case ValueClass::Normal:
            break;
    }
    return WriteShortestDecimal(value, ShortestCandidatesOf(format, value), out);
}

char* WriteShortestText(const FloatFormat& format, const StoredValue& value, char* out) {
    const bool nan = value.Class == ValueClass::QuietNan || value.Class == ValueClass::SignallingNan;
    if (!nan && SameLayout(format, SingleFormat)) return LibraryShortest<float, std::uint32_t>(value, out);
    if (!nan && SameLayout(format, DoubleFormat)) return LibraryShortest<double, std::uint64_t>(value, out);
    return WriteShortestTextByRule(format, value, out);
}

std::optional<std::string> ShortestText(const FloatFormat& format, const StoredValue& value) {
    char text[ShortestTextCapacity];
    const char* end = WriteShortestText(format, value, text);
    if (end == nullptr) return std::nullopt;
    return std::string(static_cast<const char*>(text), end);
}

}  // namespace pexabit
