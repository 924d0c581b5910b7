// Single, double, extended and quad against the C library and MPFR: the shortest text as
// std::to_chars writes float, double and long double (x87 extended), the hex float as printf's
// "%a", the neighbours as nextafter; quad's shortest digits as MPFR's search over every length.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "TextReference.h"
#include "format/HexFloat.h"
#include "format/Neighbours.h"
#include "format/Shortest.h"
#include "format/ShortestDigits.h"

namespace pexabit {
namespace {

using testing::ReadBack;
using testing::ReferenceShortest;

template <class T>
std::string ToChars(T value) {
    char buffer[128];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

template <class T, class Bits>
T FromBits(Bits bits) {
    T value{};
    std::memcpy(&value, &bits, sizeof bits < sizeof value ? sizeof bits : sizeof value);
    return value;
}

template <class T, class Bits>
Bits ToBits(T value) {
    Bits bits{};
    std::memcpy(&bits, &value, sizeof bits < sizeof value ? sizeof bits : sizeof value);
    return bits;
}

// One pattern of single, double or extended against the C library's float, double, long double.
template <class T>
void ExpectAsCLibrary(const FloatFormat& f, Bits128 pattern) {
    const StoredValue v = DecodePattern(f, pattern);
    const T value = FromBits<T>(pattern);
    if (std::isnan(value)) {
        ASSERT_FALSE(ShortestText(f, v).has_value());
        return;
    }
    ASSERT_EQ(ShortestText(f, v), ToChars(value)) << f.Name << " " << testing::ToMpz(pattern).get_str(16);
    const Bits128 mask = LowBits(f.TotalBits);
    const Bits128 up = ToBits<T, Bits128>(std::nextafter(value, T(INFINITY))) & mask;
    const Bits128 down = ToBits<T, Bits128>(std::nextafter(value, -T(INFINITY))) & mask;
    ASSERT_TRUE(NextUp(f, v) == up && NextDown(f, v) == down) << ToChars(value);
}

// Catches whatever the narrow formats cannot show: wide significands, the power-of-ten table's
// range, notation choices at long digit strings and three-digit exponents.
TEST(SingleTest, Every997thPatternAsTheCLibrary) {
    for (std::uint64_t pattern = 0; pattern < (std::uint64_t{1} << 32); pattern += 997) {
        ExpectAsCLibrary<float>(SingleFormat, pattern);
    }
}

// Families of doubles that random patterns hardly reach.
std::vector<std::uint64_t> DoubleFamilies(std::mt19937_64& rng) {
    constexpr std::uint64_t FractionMask = (std::uint64_t{1} << 52) - 1, Hidden = std::uint64_t{1} << 52;
    std::vector<std::uint64_t> out;
    for (std::uint64_t e = 0; e <= 0x7FF; ++e) {
        // Powers of two (the narrower interval below), their neighbours, random subnormals.
        for (std::uint64_t fraction : {std::uint64_t{0}, std::uint64_t{1}, FractionMask}) out.push_back(e << 52 | fraction);
        out.push_back(rng() & FractionMask);
    }
    // Doubles c * 2^q whose bound or value is, in units of 10^k (k = floor(log10(2^q)) from 1
    // to 22), exactly an integer: the products land just below it and the fast path must know
    // that it is exact. 2c - 1, 2c + 1 or c a multiple of 5^k.
    std::uint64_t five = 1;
    for (int k = 1; five <= Hidden / 5; ++k) {
        five *= 5;
        const auto q = static_cast<std::uint64_t>(std::ceil(k / std::log10(2.0)));
        for (std::uint64_t residue : {(five + 1) / 2, (five - 1) / 2, std::uint64_t{0}}) {
            std::uint64_t c = Hidden + (residue + five - Hidden % five) % five;
            for (int j = 0; j < 40 && c < 2 * Hidden; ++j, c += five * (1 + rng() % 4096)) {
                out.push_back((q + 1075) << 52 | (c & FractionMask));
            }
        }
    }
    return out;
}

// Catches the fast path deciding where its products cannot (a bound exactly on a decimal), the
// exact path disagreeing with it, hex digits or exponents that printf writes otherwise.
TEST(DoubleTest, RandomPatternsAndFamiliesAsTheCLibrary) {
    std::mt19937_64 rng(9);
    std::vector<std::uint64_t> patterns = DoubleFamilies(rng);
    for (int i = 0; i < 200000; ++i) patterns.push_back(rng());
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        const std::uint64_t pattern = patterns[i];
        ExpectAsCLibrary<double>(DoubleFormat, pattern);
        const StoredValue v = DecodePattern(DoubleFormat, pattern);
        const double value = FromBits<double>(pattern);
        char printed[64];
        std::snprintf(printed, sizeof printed, "%a", value);
        if (!std::isnan(value)) {
            ASSERT_EQ(HexFloatText(DoubleFormat, v), printed);
        }
        if (i % 16 == 0 && std::isfinite(value) && value != 0) {
            ASSERT_EQ(detail::ShortestDigitsExact(DoubleFormat, v), ShortestDigits(DoubleFormat, v)) << printed;
        }
    }
}

// Catches the exact path's errors where no fast path helps (64-bit significands, exponents far
// beyond the power-of-ten table) and the stored integer bit in hex floats and neighbours.
TEST(ExtendedTest, RandomCanonicalPatternsAsLongDouble) {
    std::mt19937_64 rng(10);
    for (int i = 0; i < 3000; ++i) {
        const std::uint64_t exponent = rng() & 0xFFFF, fraction = rng() & ~(std::uint64_t{1} << 63);
        const bool integerBit = (exponent & 0x7FFF) != 0;
        // Every other one with a moderate exponent, where reports mostly live.
        const std::uint64_t e = i % 2 == 0 ? exponent : (exponent & 0x8000) | (16383 - 300 + rng() % 600);
        const Bits128 pattern = MakeBits128(e, fraction | (std::uint64_t{integerBit} << 63));
        ExpectAsCLibrary<long double>(ExtendedFormat, pattern);
        const auto hex = HexFloatText(ExtendedFormat, DecodePattern(ExtendedFormat, pattern));
        if (hex) {
            ASSERT_EQ(ReadBack(ExtendedFormat, *hex), pattern) << *hex;
        }
    }
}

// Catches what only 113-bit significands show: digits beyond 64 bits, up to 36 of them.
TEST(QuadTest, RandomPatternsShortestAsMpfrAndReadBack) {
    std::mt19937_64 rng(11);
    const Bits128 sign = Bits128{1} << 127;
    for (int i = 0; i < 300; ++i) {
        Bits128 pattern = MakeBits128(rng(), rng());
        if (i % 2 == 1) pattern = (pattern & ~(LowBits(15) << 112)) | (Bits128{16383 - 300 + rng() % 600} << 112);
        const StoredValue v = DecodePattern(QuadFormat, pattern);
        if (v.Class != ValueClass::Normal && v.Class != ValueClass::Subnormal) continue;
        ASSERT_EQ(ShortestDigits(QuadFormat, v), ReferenceShortest(QuadFormat, pattern & ~sign));
        ASSERT_EQ(ReadBack(QuadFormat, *ShortestText(QuadFormat, v)), pattern) << *ShortestText(QuadFormat, v);
        ASSERT_EQ(ReadBack(QuadFormat, *HexFloatText(QuadFormat, v)), pattern) << *HexFloatText(QuadFormat, v);
    }
}

}  // namespace
}  // namespace pexabit
