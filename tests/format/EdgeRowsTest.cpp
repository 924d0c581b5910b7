// Edge patterns that the sweeps do not reach: the noncanonical extended patterns, the ends of
// extended and quad, E4M3's 448, and the notation choices of the narrow formats (which no C
// library writes).
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
constexpr std::uint64_t IntegerBit = std::uint64_t{1} << 63, Ones = ~std::uint64_t{0};

const EdgeRow Rows[] = {
    {"E4M3 448: only the NaN above", &E4M3Format, 0x7E, "448", "0x1.cp+8", None, 0x7D, 5},
    {"E4M3 96: digits 1e2 in fixed notation, written as the exact integer", &E4M3Format, 0x6C, "96", "0x1.8p+6", 0x6D, 0x6B, 3},
    {"bfloat16 99840: digits 1e5, scientific shorter than 100000", &Bfloat16Format, 0x47C3, "1e+05", "0x1.86p+16", 0x47C4, 0x47C2, 9},
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
