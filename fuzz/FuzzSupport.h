#pragma once
// What every fuzz target shares: a property check that stops the run with the failing property
// named, the UTF-8 rules checked independently of the system's own, a field-by-field comparison
// of two conversion states, and the exact value of a stored pattern computed independently with GMP.
#include <gmpxx.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <tuple>

#include "format/TypedNumber.h"
#include "window_report/ConversionState.h"

namespace pexabit::fuzz {

// Which inputs a target takes: the everyday sizes, or the huge ones that cost a report ten
// times an everyday one and more (extended's and quad's tiny and huge values, long digit strings).
enum class InputSizes { Everyday, Huge };

// Whether a target of `sizes` takes an input of everyday sizes (`everyday`) or a huge one.
inline bool Takes(InputSizes sizes, bool everyday) { return everyday == (sizes == InputSizes::Everyday); }

// The everyday targets' typed numbers: at most 40 digits, and an exponent a few hundred decimal
// places beyond the Double's range (4.9e-324 = 2^-1074 to 1.8e308 = 2^1024), as a power of ten
// or, for hex digits, of two. That is well within extended's and quad's range (10^-4966 to
// 10^4932): their tiny and huge values, with exact texts of thousands of digits, cost a report
// ten times an everyday one under the sanitizers, and are the Huge targets' with the rest.
inline constexpr std::size_t EverydayDigits = 40;
inline constexpr std::int64_t EverydayDecimalExponent = 650;
inline constexpr std::int64_t EverydayBinaryExponent = 2200;

inline bool WithinEverydaySize(const TypedNumber& n) {
    if (n.Type != TypedNumber::Kind::Finite) return true;
    const std::int64_t exponent = n.Exponent < 0 ? -n.Exponent : n.Exponent;
    return n.Digits.size() <= EverydayDigits &&
           exponent <= (n.Hex ? EverydayBinaryExponent : EverydayDecimalExponent);
}

// Stops the run (libFuzzer saves the input) when a property does not hold.
inline void Require(bool holds, const char* property, std::string_view detail = {}) {
    if (holds) return;
    std::fprintf(stderr, "property violated: %s\n%.*s\n", property,
                 static_cast<int>(detail.size() > 2000 ? 2000 : detail.size()), detail.data());
    std::abort();
}

// The code point of the well-formed UTF-8 sequence at text[i] and its length; length 0 when
// the bytes there are not one (Unicode's table 3-7).
inline std::size_t DecodeOne(std::string_view text, std::size_t i, std::uint32_t& cp) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const std::size_t left = text.size() - i;
    if (b(0) < 0x80) return cp = b(0), 1;
    std::size_t n = b(0) >= 0xF8 ? 0 : b(0) >= 0xF0 ? 4 : b(0) >= 0xE0 ? 3 : b(0) >= 0xC0 ? 2 : 0;
    if (n == 0 || n > left) return 0;
    cp = b(0) & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        if ((b(k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b(k) & 0x3F);
    }
    const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < smallest[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

// Whether all of `text` is well-formed UTF-8.
inline bool ValidUtf8(std::string_view text) {
    std::uint32_t cp = 0;
    for (std::size_t i = 0, n = 0; i < text.size(); i += n) {
        if ((n = DecodeOne(text, i, cp)) == 0) return false;
    }
    return true;
}

// Bitwise equality of two binary values, so that a NaN equals itself.
template <typename T>
bool SameBits(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

// Every field of the record, numbers compared bit for bit.
inline bool SamePart(const FormatPart& a, const FormatPart& b) {
    const auto fields = [](const FormatPart& p) {
        return std::tie(p.Stored.Pattern, p.Stored.Overflow, p.Stored.Class, p.Texts.Binary, p.Texts.BinarySci,
                        p.Texts.Exact, p.Texts.ExactSci);
    };
    return fields(a) == fields(b);
}

inline bool SameState(const ConversionState& a, const ConversionState& b) {
    return a.OriginalNumber == b.OriginalNumber && SameBits(a.DoubleValue, b.DoubleValue) &&
           SameBits(a.SingleValue, b.SingleValue) && SamePart(a.Single, b.Single) && SamePart(a.Double, b.Double);
}

// The value of a finite pattern: (exponent 0 ? 0 : 1).fraction * 2^(max(exponent, 1) - bias),
// written as fraction * 2^(max(exponent, 1) - bias - fractionBits) with the implicit bit added.
inline mpq_class PatternValue(std::uint64_t pattern, int fractionBits, int exponentBits) {
    const int bias = (1 << (exponentBits - 1)) - 1;  // 127 for binary32, 1023 for binary64
    const std::uint64_t fraction = pattern & ((std::uint64_t{1} << fractionBits) - 1);
    const int exponent = static_cast<int>((pattern >> fractionBits) & ((1U << exponentBits) - 1));
    mpz_class significand;
    mpz_import(significand.get_mpz_t(), 1, 1, sizeof fraction, 0, 0, &fraction);
    if (exponent != 0) significand += mpz_class(1) << fractionBits;
    const int scale = (exponent == 0 ? 1 : exponent) - bias - fractionBits;
    mpq_class value(significand);
    if (scale >= 0) value *= mpq_class(mpz_class(1) << scale);
    else value /= mpq_class(mpz_class(1) << -scale);
    value.canonicalize();
    return value;
}

}  // namespace pexabit::fuzz
