#pragma once
// What every fuzz target shares: a property check that stops the run with the failing property
// named, a field-by-field comparison of two conversion states, and the exact value of a stored
// pattern computed independently with GMP.
#include <gmpxx.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <tuple>

#include "window_report/ConversionState.h"

namespace pexabit::fuzz {

// Stops the run (libFuzzer saves the input) when a property does not hold.
inline void Require(bool holds, const char* property, std::string_view detail = {}) {
    if (holds) return;
    std::fprintf(stderr, "property violated: %s\n%.*s\n", property,
                 static_cast<int>(detail.size() > 2000 ? 2000 : detail.size()), detail.data());
    std::abort();
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
