// Single, double, extended and quad against the C library and MPFR: the shortest text as
// std::to_chars writes float, double and long double (x87 extended), the hex float as printf's
// "%a", the neighbours as nextafter; quad's shortest text as the search over texts of every
// length.
// Last, rows of edge patterns no sweep reaches.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
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

// The bits of a pattern as a float, double or long double (10 bytes), or back.
template <class To, class From>
To Reinterpreted(const From& from) {
    To to{};
    std::memcpy(&to, &from, std::min<std::size_t>({sizeof to, sizeof from, 10}));
    return to;
}

// The rule's own text: the report hands single and double to the library, so only this holds
// the rule, which serves the other formats, to the library's answers.
std::optional<std::string> ByRule(const FloatFormat& f, const StoredValue& v) {
    char text[ShortestTextCapacity];
    const char* end = WriteShortestTextByRule(f, v, text);
    return end == nullptr ? std::nullopt : std::optional<std::string>(std::string(static_cast<const char*>(text), end));
}

// One pattern of single, double or extended against float, double or long double.
template <class T>
void ExpectAsCLibrary(const FloatFormat& f, Bits128 pattern) {
    const StoredValue v = DecodePattern(f, pattern);
    const T value = Reinterpreted<T>(pattern);
    char text[128];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    ASSERT_EQ(ByRule(f, v), std::isnan(value) ? std::nullopt : std::optional<std::string>(std::string(text, end)));
    if (std::isnan(value)) return;
    ASSERT_TRUE(NextUp(f, v) == Reinterpreted<Bits128>(std::nextafter(value, T(INFINITY))) &&
                NextDown(f, v) == Reinterpreted<Bits128>(std::nextafter(value, -T(INFINITY))))
        << std::string(text, end);
}

// Catches whatever the narrow formats cannot show: wide significands, the power-of-ten table's
// range, notation choices at long digit strings and three-digit exponents.
TEST(SingleTest, Every997thPatternAsTheCLibrary) {
    for (std::uint64_t pattern = 0; pattern < (std::uint64_t{1} << 32); pattern += 997) {
        ExpectAsCLibrary<float>(SingleFormat, pattern);
    }
}

// Doubles that random patterns hardly reach, with both signs: every power of two (the narrower
// interval below), its neighbours, zeros, infinities, NaNs, subnormals; values c * 2^q whose
// interval bound or value is, in units of 10^k (k = floor(log10(2^q)) from 1 to 22), exactly an
// integer (2c - 1, 2c + 1 or c a multiple of 5^k): the products land just below it and the fast
// path must know that it is exact; and the doubles nearest each power of ten with their
// neighbours, whose intervals hold that power or end near it.
std::vector<std::uint64_t> DoubleFamilies(std::mt19937_64& rng) {
    constexpr std::uint64_t Fraction = (std::uint64_t{1} << 52) - 1, Hidden = Fraction + 1, Sign = std::uint64_t{1} << 63;
    std::vector<std::uint64_t> out;
    for (std::uint64_t e = 0; e <= 0x7FF; ++e) {
        for (std::uint64_t low : {std::uint64_t{0}, std::uint64_t{1}, Fraction, rng() & Fraction}) out.push_back(e << 52 | low);
    }
    std::uint64_t five = 1;
    for (int k = 1; five <= Hidden / 5; ++k) {
        five *= 5;
        const auto q = static_cast<std::uint64_t>(std::ceil(k / std::log10(2.0)));
        for (std::uint64_t residue : {(five + 1) / 2, (five - 1) / 2, std::uint64_t{0}}) {
            std::uint64_t c = Hidden + (residue + five - Hidden % five) % five;
            for (int j = 0; j < 40 && c < 2 * Hidden; ++j, c += five * (1 + rng() % 4096)) out.push_back((q + 1075) << 52 | (c & Fraction));
        }
    }
    for (int m = -323; m <= 308; ++m) {  // the double nearest 10^m and its neighbours
        const auto power = std::bit_cast<std::uint64_t>(std::strtod(("1e" + std::to_string(m)).c_str(), nullptr));
        out.insert(out.end(), {power - 1, power, power + 1});
    }
    for (std::size_t i = 0, n = out.size(); i < n; ++i) out.push_back(out[i] | Sign);
    return out;
}

// Catches the fast path deciding where its products cannot (a bound exactly on a decimal), the
// exact path disagreeing with it, hex digits or exponents that printf writes otherwise.
TEST(DoubleTest, RandomPatternsAndFamiliesAsTheCLibrary) {
    std::mt19937_64 rng(9);
    std::vector<std::uint64_t> patterns = DoubleFamilies(rng);
    for (int i = 0; i < 200000; ++i) patterns.push_back(rng());
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        ExpectAsCLibrary<double>(DoubleFormat, patterns[i]);
        const StoredValue v = DecodePattern(DoubleFormat, patterns[i]);
        char printed[64];
        std::snprintf(printed, sizeof printed, "%a", Reinterpreted<double>(patterns[i]));
        if (!std::isnan(Reinterpreted<double>(patterns[i]))) {
            ASSERT_EQ(HexFloatText(DoubleFormat, v), printed);
        }
        if (i % 16 == 0 && (v.Class == ValueClass::Normal || v.Class == ValueClass::Subnormal)) {
            ASSERT_TRUE(detail::ShortestCandidatesExact(DoubleFormat, v) == ShortestCandidatesOf(DoubleFormat, v)) << printed;
        }
    }
}

// Random patterns, every other one with a moderate exponent (where reports mostly live), the
// rest anywhere in the format's range.
Bits128 RandomPattern(std::mt19937_64& rng, const FloatFormat& f, int i) {
    const Bits128 pattern = MakeBits128(rng(), rng()) & LowBits(f.TotalBits);
    if (i % 2 == 0) return pattern;
    const int shift = f.TotalBits - 1 - f.ExponentBits;
    return (pattern & ~(LowBits(f.ExponentBits) << shift)) | (Bits128{f.Bias - 300 + rng() % 600} << shift);
}

// Catches the exact path's errors where no fast path helps (64 significand bits, exponents far
// beyond the power-of-ten table) and the stored integer bit in hex floats and neighbours.
TEST(ExtendedTest, RandomCanonicalPatternsAsLongDouble) {
    std::mt19937_64 rng(10);
    for (int i = 0; i < 3000; ++i) {
        Bits128 pattern = RandomPattern(rng, ExtendedFormat, i) & ~(Bits128{1} << 63);
        if (((pattern >> 64) & 0x7FFF) != 0) pattern |= Bits128{1} << 63;  // canonical integer bit
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
    for (int i = 0; i < 300; ++i) {
        const Bits128 pattern = RandomPattern(rng, QuadFormat, i) & LowBits(127);
        const StoredValue v = DecodePattern(QuadFormat, pattern);
        if (v.Class != ValueClass::Normal && v.Class != ValueClass::Subnormal) continue;
        ASSERT_EQ(ShortestText(QuadFormat, v), testing::ReferenceShortestText(QuadFormat, pattern));
        ASSERT_EQ(ReadBack(QuadFormat, *HexFloatText(QuadFormat, v)), pattern) << *HexFloatText(QuadFormat, v);
    }
}

// Edge patterns that the sweeps do not reach: the noncanonical extended patterns, the ends of
// extended and quad, E4M3's 448, and the notation choices of the narrow formats (which no C
// library writes).
struct EdgeRow {
    const char* Reason;
    const FloatFormat* Format;
    Bits128 Pattern;
    std::optional<std::string> Shortest, Hex;
    std::optional<Bits128> Up, Down;
    std::optional<int> Ulp;
};

constexpr auto None = std::nullopt;
constexpr std::uint64_t IntegerBit = std::uint64_t{1} << 63, Ones = ~std::uint64_t{0};

const EdgeRow Rows[] = {
    {"E4M3 448: only the NaN above", &E4M3Format, 0x7E, "448", "0x1.cp+8", None, 0x7D, 5},
    {"bfloat16 99840: as short as 1e+05 and nearer", &Bfloat16Format, 0x47C3, "99840", "0x1.86p+16", 0x47C4, 0x47C2, 9},
    {"extended largest subnormal: up sets the integer bit", &ExtendedFormat, MakeBits128(0, ~IntegerBit), "3.362103143112093506e-4932",
     "0x0.fffffffffffffffep-16382", MakeBits128(1, IntegerBit), MakeBits128(0, ~IntegerBit - 1), -16445},
    {"extended pseudo-denormal: its value, the smallest normal", &ExtendedFormat, MakeBits128(0, IntegerBit),
     "3.3621031431120935063e-4932", "0x1p-16382", None, None, -16445},
    {"extended unnormal 0.5: the value of its bits", &ExtendedFormat, MakeBits128(0x3FFF, IntegerBit >> 1), "0.5", "0x1p-1", None, None, -63},
    {"extended pseudo-zero: zero, sign kept", &ExtendedFormat, MakeBits128(0xBFFF, 0), "-0", "-0x0p+0", None, None, -63},
    {"extended pseudo-infinity: no value", &ExtendedFormat, MakeBits128(0x7FFF, 0), None, None, None, None, None},
    {"extended pseudo-NaN: no value", &ExtendedFormat, MakeBits128(0x7FFF, IntegerBit >> 1), None, None, None, None, None},
    {"quad largest: 34 digits, up to +inf", &QuadFormat, MakeBits128(0x7FFEFFFFFFFFFFFF, Ones), "1.189731495357231765085759326628007e+4932",
     "0x1.ffffffffffffffffffffffffffffp+16383", MakeBits128(0x7FFF000000000000, 0), MakeBits128(0x7FFEFFFFFFFFFFFF, Ones - 1), 16271},
    {"quad smallest subnormal: four-digit exponent", &QuadFormat, 1, "6e-4966", "0x0.0000000000000000000000000001p-16382", 2, 0, -16494},
};

class EdgeRowTest : public ::testing::TestWithParam<EdgeRow> {};

TEST_P(EdgeRowTest, TextsNeighboursAndUlp) {
    const EdgeRow& row = GetParam();
    const StoredValue v = DecodePattern(*row.Format, row.Pattern);
    EXPECT_EQ(ShortestText(*row.Format, v), row.Shortest);
    EXPECT_EQ(HexFloatText(*row.Format, v), row.Hex);
    EXPECT_TRUE(NextUp(*row.Format, v) == row.Up && NextDown(*row.Format, v) == row.Down);
    EXPECT_EQ(UlpExponent(*row.Format, v), row.Ulp);
}

INSTANTIATE_TEST_SUITE_P(Rows, EdgeRowTest, ::testing::ValuesIn(Rows),
                         [](const auto& info) { return std::string(info.param.Format->Name) + "_" + std::to_string(info.index); });

}  // namespace
}  // namespace pexabit
