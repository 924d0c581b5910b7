// Every pattern of the narrow formats (half, bfloat16, E5M2, E4M3): the shortest text equals the
// search over texts of every length, the shortest and hex-float texts read back to the pattern,
// nextUp / nextDown are the neighbours in value order, and 2^ulp is the gap above the magnitude.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "TextReference.h"
#include "format/HexFloat.h"
#include "format/Neighbours.h"
#include "format/Shortest.h"

namespace pexabit {
namespace {

using testing::ReadBack;

class NarrowFormatTest : public ::testing::TestWithParam<const FloatFormat*> {};

// Catches a wrong interval (halfway points in or out, the narrower gap below a power of two, the
// subnormal boundary), a text longer than another that reads back (0.09 where 0.1 does) or
// farther from the value, misplaced hex digits, a step across the subnormal boundary or into the
// infinity that goes wrong, the signs of the zeros the steps reach, E4M3's NaN taken for a
// neighbour, and an ulp off by a binade.
TEST_P(NarrowFormatTest, EveryPattern) {
    const FloatFormat& f = *GetParam();
    const Bits128 sign = Bits128{1} << (f.TotalBits - 1);
    std::vector<std::pair<double, Bits128>> ordered;  // every value is exact as a double
    for (Bits128 pattern = 0; pattern <= LowBits(f.TotalBits); ++pattern) {
        const StoredValue v = DecodePattern(f, pattern);
        const bool nan = v.Class == ValueClass::QuietNan || v.Class == ValueClass::SignallingNan;
        ASSERT_EQ(ShortestText(f, v).has_value() && HexFloatText(f, v).has_value(), !nan);
        if (nan) continue;
        ASSERT_EQ(ReadBack(f, *ShortestText(f, v)), pattern) << f.Name << " " << *ShortestText(f, v);
        ASSERT_EQ(ReadBack(f, *HexFloatText(f, v)), pattern) << f.Name << " " << *HexFloatText(f, v);
        if (v.Class == ValueClass::Normal || v.Class == ValueClass::Subnormal) {
            ASSERT_EQ(ShortestText(f, v), testing::ReferenceShortestText(f, pattern)) << f.Name << " " << testing::HexOf(static_cast<std::uint64_t>(pattern), 4);
        }
        const double infinity = v.Negative ? -INFINITY : INFINITY;
        ordered.emplace_back(v.Class == ValueClass::Infinite ? infinity : testing::ValueOf(f, pattern).get_d(), pattern);
    }
    std::sort(ordered.begin(), ordered.end());  // +0 before -0
    const auto above = [&](double x) { return std::upper_bound(ordered.begin(), ordered.end(), std::pair{x, ~Bits128{0}}); };
    const auto atOrAbove = [&](double x) { return std::lower_bound(ordered.begin(), ordered.end(), std::pair{x, Bits128{0}}); };
    for (const auto& [value, pattern] : ordered) {
        // IEEE: nextUp(+inf) = +inf; zero reached from below is -0, from above +0.
        std::optional<Bits128> up, down;
        if (value == INFINITY) up = pattern;
        else if (above(value) != ordered.end()) up = above(value)->first == 0 ? sign : above(value)->second;
        if (value == -INFINITY) down = pattern;
        else if (atOrAbove(value) != ordered.begin()) down = std::prev(atOrAbove(value))->first == 0 ? 0 : std::prev(atOrAbove(value))->second;
        const StoredValue v = DecodePattern(f, pattern);
        EXPECT_TRUE(NextUp(f, v) == up && NextDown(f, v) == down) << f.Name << " " << value;
        const double magnitude = std::fabs(value);
        const auto next = above(magnitude);
        const double gap = next != ordered.end() && !std::isinf(next->first) ? next->first - magnitude
                                                                             : magnitude - std::prev(atOrAbove(magnitude))->first;
        if (std::isinf(value)) EXPECT_FALSE(UlpExponent(f, v).has_value());
        else EXPECT_EQ(std::ldexp(1.0, UlpExponent(f, v).value_or(9999)), gap) << f.Name << " " << value;
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, NarrowFormatTest, ::testing::Values(&HalfFormat, &Bfloat16Format, &E5M2Format, &E4M3Format),
                         [](const auto& info) { return std::string(info.param->Name); });

}  // namespace
}  // namespace pexabit
