// Every pattern of the narrow formats (half, bfloat16, E5M2, E4M3): the shortest digits equal
// MPFR's search over every length, the shortest and hex-float texts read back to the pattern,
// nextUp / nextDown are the neighbours in value order, and 2^ulp is the gap to the neighbour.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "TextReference.h"
#include "format/HexFloat.h"
#include "format/Neighbours.h"
#include "format/Shortest.h"
#include "format/ShortestDigits.h"

namespace pexabit {
namespace {

using testing::ReadBack;
using testing::ReferenceShortest;
using testing::ValueOf;

class NarrowFormatTest : public ::testing::TestWithParam<const FloatFormat*> {};

bool IsNan(const StoredValue& v) { return v.Class == ValueClass::QuietNan || v.Class == ValueClass::SignallingNan; }

// Catches a wrong interval (halfway points in or out, the narrower gap below a power of two, the
// subnormal boundary), a non-closest or non-shortest choice, a wrong notation or exponent in the
// text, and misplaced hex digits.
TEST_P(NarrowFormatTest, TextsAreShortestAndReadBack) {
    const FloatFormat& f = *GetParam();
    const Bits128 sign = Bits128{1} << (f.TotalBits - 1);
    for (Bits128 pattern = 0; pattern < (Bits128{1} << f.TotalBits); ++pattern) {
        const StoredValue v = DecodePattern(f, pattern);
        const auto text = ShortestText(f, v);
        const auto hex = HexFloatText(f, v);
        ASSERT_EQ(text.has_value(), !IsNan(v)) << f.Name << " " << testing::ToMpz(pattern).get_str(16);
        ASSERT_EQ(hex.has_value(), !IsNan(v));
        if (IsNan(v)) continue;
        ASSERT_EQ(ReadBack(f, *text), pattern) << f.Name << " " << *text;
        ASSERT_EQ(ReadBack(f, *hex), pattern) << f.Name << " " << *hex;
        if (v.Class == ValueClass::Normal || v.Class == ValueClass::Subnormal) {
            ASSERT_EQ(ShortestDigits(f, v), ReferenceShortest(f, pattern & ~sign)) << f.Name << " " << *text;
        }
    }
}

// Catches a step across the subnormal boundary or into the infinity that goes wrong, the signs
// of the zeros nextUp and nextDown reach, E4M3's NaN taken for a neighbour, and an ulp off by a
// binade at the powers of two.
TEST_P(NarrowFormatTest, NeighboursAreAdjacentInValueOrder) {
    const FloatFormat& f = *GetParam();
    const Bits128 sign = Bits128{1} << (f.TotalBits - 1);
    std::vector<std::pair<double, Bits128>> ordered;  // every value is exact as a double
    for (Bits128 pattern = 0; pattern < (Bits128{1} << f.TotalBits); ++pattern) {
        const StoredValue v = DecodePattern(f, pattern);
        if (IsNan(v)) continue;
        const double infinity = v.Negative ? -INFINITY : INFINITY;
        ordered.emplace_back(v.Class == ValueClass::Infinite ? infinity : ValueOf(f, pattern).get_d(), pattern);
    }
    std::sort(ordered.begin(), ordered.end());
    const auto firstAbove = [&](double x) { return std::upper_bound(ordered.begin(), ordered.end(), std::pair{x, ~Bits128{0}}); };
    const auto firstAtOrAbove = [&](double x) { return std::lower_bound(ordered.begin(), ordered.end(), std::pair{x, Bits128{0}}); };
    for (const auto& [value, pattern] : ordered) {
        const StoredValue v = DecodePattern(f, pattern);
        // IEEE: nextUp(+inf) = +inf; zero reached from below is -0, from above +0.
        std::optional<Bits128> up, down;
        const auto above = firstAbove(value), below = firstAtOrAbove(value);
        if (value == INFINITY) up = pattern;
        else if (above != ordered.end()) up = above->first == 0 ? sign : above->second;
        if (value == -INFINITY) down = pattern;
        else if (below != ordered.begin()) down = std::prev(below)->first == 0 ? Bits128{0} : std::prev(below)->second;
        EXPECT_TRUE(NextUp(f, v) == up && NextDown(f, v) == down) << f.Name << " " << value;
        if (std::isinf(value)) {
            EXPECT_FALSE(UlpExponent(f, v).has_value());
            continue;
        }
        // The gap above |x|, or below it at the largest finite value.
        const double magnitude = std::fabs(value);
        const auto next = firstAbove(magnitude);
        const double gap = next != ordered.end() && !std::isinf(next->first)
                               ? next->first - magnitude
                               : magnitude - std::prev(firstAtOrAbove(magnitude))->first;
        EXPECT_EQ(std::ldexp(1.0, UlpExponent(f, v).value_or(9999)), gap) << f.Name << " " << value;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPattern, NarrowFormatTest,
                         ::testing::Values(&HalfFormat, &Bfloat16Format, &E5M2Format, &E4M3Format),
                         [](const auto& info) { return std::string(info.param->Name); });

}  // namespace
}  // namespace pexabit
