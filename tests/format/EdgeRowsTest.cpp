// Edge patterns that the sweeps reach rarely or not at all: the ends of each format's range, the
// zeros and infinities, E4M3's 448, the noncanonical extended patterns, and the notation choices
// of the narrow formats (which no C library writes).
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "format/HexFloat.h"
#include "format/Neighbours.h"
#include "format/Shortest.h"

namespace pexabit {
namespace {

struct EdgeRow {
    const char* Reason;
    const FloatFormat* Format;
    Bits128 Pattern;
    std::optional<std::string> Shortest, Hex;
    std::optional<Bits128> Up, Down;
    std::optional<int> Ulp;
};

constexpr auto None = std::nullopt;
constexpr std::uint64_t IntegerBit = std::uint64_t{1} << 63;

const EdgeRow Rows[] = {
    {"zero: the smallest subnormal up, its negative down", &DoubleFormat, 0, "0", "0x0p+0", 1, 0x8000000000000001, -1074},
    {"negative zero keeps its sign in both texts", &DoubleFormat, 0x8000000000000000, "-0", "-0x0p+0", 1, 0x8000000000000001, -1074},
    {"negative subnormal of least magnitude: up to -0", &DoubleFormat, 0x8000000000000001, "-5e-324",
     "-0x0.0000000000001p-1022", 0x8000000000000000, 0x8000000000000002, -1074},
    {"largest double: up to +inf", &DoubleFormat, 0x7FEFFFFFFFFFFFFF, "1.7976931348623157e+308", "0x1.fffffffffffffp+1023",
     0x7FF0000000000000, 0x7FEFFFFFFFFFFFFE, 971},
    {"+inf stays, steps down to the largest", &DoubleFormat, 0x7FF0000000000000, "inf", "inf", 0x7FF0000000000000, 0x7FEFFFFFFFFFFFFF, None},
    {"-inf stays below, steps up to the most negative", &DoubleFormat, 0xFFF0000000000000, "-inf", "-inf", 0xFFEFFFFFFFFFFFFF,
     0xFFF0000000000000, None},
    {"NaN has no text, neighbour or ulp", &DoubleFormat, 0x7FF8000000000000, None, None, None, None, None},
    {"E4M3 448: only the NaN above", &E4M3Format, 0x7E, "448", "0x1.cp+8", None, 0x7D, 5},
    {"E4M3 -448: only the NaN below", &E4M3Format, 0xFE, "-448", "-0x1.cp+8", 0xFD, None, 5},
    {"E4M3 NaN", &E4M3Format, 0x7F, None, None, None, None, None},
    {"E5M2 largest: up to +inf", &E5M2Format, 0x7B, "57344", "0x1.cp+15", 0x7C, 0x7A, 13},
    {"E5M2 1.75: two shortest equally near, the even digit", &E5M2Format, 0x3F, "1.8", "0x1.cp+0", 0x40, 0x3E, -2},
    {"E4M3 96: shortest digits 1e2 give fixed notation, written as the exact integer", &E4M3Format, 0x6C, "96",
     "0x1.8p+6", 0x6D, 0x6B, 3},
    {"bfloat16 99840: shortest digits 1e5, scientific is shorter than 100000", &Bfloat16Format, 0x47C3, "1e+05",
     "0x1.86p+16", 0x47C4, 0x47C2, 9},
    {"half smallest subnormal: hex digits from the fraction's top bit", &HalfFormat, 0x0001, "6e-08", "0x0.004p-14", 2, 0, -24},
    {"extended largest subnormal: up sets the integer bit", &ExtendedFormat, MakeBits128(0, ~IntegerBit),
     "3.362103143112093506e-4932", "0x0.fffffffffffffffep-16382", MakeBits128(1, IntegerBit), MakeBits128(0, ~IntegerBit - 1), -16445},
    {"extended pseudo-denormal: written as its value, the smallest normal", &ExtendedFormat, MakeBits128(0, IntegerBit),
     "3.3621031431120935063e-4932", "0x1p-16382", None, None, -16445},
    {"extended unnormal 0.5: value of its bits", &ExtendedFormat, MakeBits128(0x3FFF, IntegerBit >> 1), "0.5", "0x1p-1", None, None, -63},
    {"extended pseudo-zero: zero, sign kept", &ExtendedFormat, MakeBits128(0xBFFF, 0), "-0", "-0x0p+0", None, None, -63},
    {"extended pseudo-infinity: no value", &ExtendedFormat, MakeBits128(0x7FFF, 0), None, None, None, None, None},
    {"extended pseudo-NaN: no value", &ExtendedFormat, MakeBits128(0x7FFF, IntegerBit >> 1), None, None, None, None, None},
    {"quad largest: 34 digits, up to +inf", &QuadFormat, MakeBits128(0x7FFEFFFFFFFFFFFF, ~std::uint64_t{0}),
     "1.189731495357231765085759326628007e+4932", "0x1.ffffffffffffffffffffffffffffp+16383", MakeBits128(0x7FFF000000000000, 0),
     MakeBits128(0x7FFEFFFFFFFFFFFF, ~std::uint64_t{1}), 16271},
    {"quad smallest subnormal: four-digit exponent", &QuadFormat, 1, "6e-4966", "0x0.0000000000000000000000000001p-16382", 2, 0, -16494},
};

class EdgeRowTest : public ::testing::TestWithParam<EdgeRow> {};

TEST_P(EdgeRowTest, TextsNeighboursAndUlp) {
    const EdgeRow& row = GetParam();
    const StoredValue v = DecodePattern(*row.Format, row.Pattern);
    EXPECT_EQ(ShortestText(*row.Format, v), row.Shortest);
    EXPECT_EQ(HexFloatText(*row.Format, v), row.Hex);
    EXPECT_TRUE(NextUp(*row.Format, v) == row.Up);
    EXPECT_TRUE(NextDown(*row.Format, v) == row.Down);
    EXPECT_EQ(UlpExponent(*row.Format, v), row.Ulp);
}

INSTANTIATE_TEST_SUITE_P(Rows, EdgeRowTest, ::testing::ValuesIn(Rows),
                         [](const auto& info) { return std::string(info.param.Format->Name) + "_" + std::to_string(info.index); });

}  // namespace
}  // namespace pexabit
