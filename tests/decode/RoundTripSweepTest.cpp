// Sweeps over both formats: decode a pattern, take its exact value, convert that value as typed
// text, and get the very pattern back; the exact value equals GMP's.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>

#include "GmpExact.h"
#include "decode/HexDecoding.h"
#include "encode/Encoding.h"

namespace pexabit {
namespace {

std::string Hex(std::uint64_t bits, int digits) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string out(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, bits >>= 4) out[static_cast<std::size_t>(i)] = Digits[bits & 15];
    return out;
}

// Decodes, checks the exact value against GMP, converts it back; returns false on a mismatch.
template <typename Float>
bool RoundTrips(PatternFormat format, std::uint64_t bits, std::string& failure) {
    constexpr bool single = sizeof(Float) == 4;
    const std::string pattern = Hex(bits, single ? 8 : 16);
    ConversionState state;
    const DecodeOutcome decoded = DecodeHexPattern(state, format, pattern);
    Float value{};
    if constexpr (single) value = std::bit_cast<float>(static_cast<std::uint32_t>(bits));
    else value = std::bit_cast<double>(bits);
    const std::string reference = testing::GmpExactDecimal(static_cast<double>(value));
    if (decoded.Special || decoded.ExactText != reference) {
        failure = pattern + ": exact value " + decoded.ExactText.substr(0, 80) + " vs GMP " + reference.substr(0, 80);
        return false;
    }
    // A fresh state: the text is read and rounded anew, not recognised as the decoded value.
    ConversionState fresh;
    const EncodeResult converted = EncodeNumber(fresh, decoded.ExactText, nullptr);
    const std::string& back = single ? fresh.SingleHex : fresh.DoubleHex;
    const std::string& exactBack = single ? fresh.SingleExact : fresh.DoubleExact;
    if (!converted.Accepted || back != pattern || exactBack != reference ||
        converted.NumericPrefix != reference) {
        failure = pattern + ": converted back to " + back;
        return false;
    }
    return true;
}

// Every 997th binary32 pattern (4.3 million), in shards that ctest runs side by side: shard k
// takes the patterns k * Step, (k + Shards) * Step, ...
constexpr std::uint64_t Shards = 8;

class SingleSweep : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(SingleSweep, EveryNineHundredNinetySeventhSingle) {
    constexpr std::uint64_t Step = 997;
    constexpr std::uint64_t ExponentMask = 0x7F800000;
    int checked = 0;
    for (std::uint64_t bits = GetParam() * Step; bits <= 0xFFFFFFFF; bits += Step * Shards) {
        if ((bits & ExponentMask) == ExponentMask) continue;  // infinities and NaNs: no value
        std::string failure;
        ASSERT_TRUE(RoundTrips<float>(PatternFormat::Single, bits, failure)) << failure;
        ++checked;
    }
    EXPECT_GT(checked, 530000);
    RecordProperty("SinglesChecked", checked);
}
INSTANTIATE_TEST_SUITE_P(Shards, SingleSweep, ::testing::Range<std::uint64_t>(0, Shards));

TEST(RoundTripSweep, RandomDoubles) {
    constexpr int Count = 100000;
    constexpr std::uint64_t ExponentMask = 0x7FF0000000000000;
    std::mt19937_64 random(20240601);  // fixed seed: the same patterns every run
    int checked = 0;
    while (checked < Count) {
        const std::uint64_t bits = random();
        if ((bits & ExponentMask) == ExponentMask) continue;
        std::string failure;
        ASSERT_TRUE(RoundTrips<double>(PatternFormat::Double, bits, failure)) << failure;
        ++checked;
    }
    RecordProperty("DoublesChecked", checked);
}

TEST(RoundTripSweep, DoubleEdges) {
    // Subnormal boundary, smallest and largest values of both signs.
    const std::uint64_t edges[] = {0x0000000000000001, 0x000FFFFFFFFFFFFF, 0x0010000000000000,
                                   0x7FEFFFFFFFFFFFFF, 0x8000000000000001, 0xFFEFFFFFFFFFFFFF,
                                   0x3FF0000000000000, 0x4340000000000000, 0x433FFFFFFFFFFFFF};
    for (std::uint64_t bits : edges) {
        std::string failure;
        EXPECT_TRUE(RoundTrips<double>(PatternFormat::Double, bits, failure)) << failure;
    }
}

}  // namespace
}  // namespace pexabit
