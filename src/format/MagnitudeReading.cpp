#include "format/MagnitudeReading.h"

#include <algorithm>
#include <bit>
#include <string>
#include <cassert>
#include <optional>

#include "arith/BigUnsigned.h"
#include "arith/Powers.h"
#include "format/ShortDecimal.h"
#include "format/TypedNumber.h"

namespace pexabit {

namespace {

constexpr int HexDigitsTaken = 31;            // 124 bits: at least Precision + 1 after a leading digit's zeros

// The two values every text beyond the range stands for: 2^(emax+2) overflows in every mode;
// a sticky value below 2^(MinQuantum-2) rounds to zero or to the smallest subnormal, and is tiny.
GuardedSignificand BeyondOverflow(const FloatFormat& format) {
    const int bits = GuardedBits(format.Precision());
    return {Bits128{1} << (bits - 1), format.MaxExponent() + 2 - (bits - 1), false};
}

GuardedSignificand BelowHalfSubnormal(const FloatFormat& format) {
    const int bits = GuardedBits(format.Precision());
    return {Bits128{1} << (bits - 1), format.MinQuantumExponent() - 3 - (bits - 1), true};
}

// The value of up to 19 decimal digits.
std::uint64_t DigitsValue(std::string_view digits) {
    std::uint64_t v = 0;
    std::size_t i = 0;
    for (; i + 8 <= digits.size(); i += 8) v = v * 100'000'000 + EightDigitsValue(digits.data() + i);
    for (; i < digits.size(); ++i) v = v * 10 + static_cast<std::uint64_t>(digits[i] - '0');
    return v;
}

// g cut to GuardedBits(precision) bits, the cut bits joining the sticky bit.
GuardedSignificand CutToGuardedBits(GuardedSignificand g, int precision) {
    const int excess = BitWidth128(g.Bits) - GuardedBits(precision);
    if (excess <= 0) return g;
    return {g.Bits >> excess, g.Exponent + excess, g.Sticky || (g.Bits & LowBits(excess)) != 0};
}

// More than 19 digits: the value lies strictly between head * 10^s and (head + 1) * 10^s, head its
// first 19 digits, when anything after them is nonzero. Where the table reads both ends into the
// same guarded bits, the value between them has those bits too, and more below them.
std::optional<GuardedSignificand> ReadBetweenShortNeighbours(std::string_view digits, std::int64_t exponent,
                                                             int precision) {
    const std::int64_t scale = exponent + static_cast<std::int64_t>(digits.size()) - MaxShortDigits;
    if (scale < MinTabledDecimalPower || scale > MaxTabledDecimalPower) return std::nullopt;
    if (digits.find_first_not_of('0', MaxShortDigits) == std::string_view::npos) return std::nullopt;
    const std::uint64_t head = DigitsValue(digits.substr(0, MaxShortDigits));
    const auto low = ReadDecimalByPowerTable(head, static_cast<int>(scale), precision);
    const auto high = ReadDecimalByPowerTable(head + 1, static_cast<int>(scale), precision);
    if (!low || !high) return std::nullopt;
    const GuardedSignificand a = CutToGuardedBits(*low, precision), b = CutToGuardedBits(*high, precision);
    if (a.Bits != b.Bits || a.Exponent != b.Exponent) return std::nullopt;
    return GuardedSignificand{a.Bits, a.Exponent, true};
}

}  // namespace

std::int64_t SignificantDigitBound(const FloatFormat& format) {
    // Upper bounds 0.30103 > log10(2) and 0.69898 > log10(5). A midpoint or value below 1 is
    // m * 2^-k with m < 2^(Precision+2) and k <= 1 - MinQuantum: the digits of m * 5^k. One above
    // 1 is an integer below 2^(emax+2).
    const std::int64_t small = (std::int64_t{GuardedBits(format.Precision())} * 30103 +
                                std::int64_t{1 - format.MinQuantumExponent()} * 69898) / 100000;
    const std::int64_t large = std::int64_t{format.MaxExponent() + 2} * 30103 / 100000;
    return std::max(small, large) + 3;
}

GuardedSignificand ReadDecimalExactly(std::string_view digits, std::int64_t exponent, int precision) {
    assert(!digits.empty() && precision <= MaxGuardedPrecision);
    const int wanted = GuardedBits(precision);
    BigUnsigned value = BigUnsigned::FromDecimal(digits);
    if (exponent >= 0) {
        // digits * 10^e = (digits * 5^e) * 2^e: keep the top `wanted` bits of the product.
        value = Multiply(value, FivePower(static_cast<std::uint64_t>(exponent)));
        const auto length = static_cast<int>(value.BitLength());
        if (length <= 128) return {value.Extract(0, 128), static_cast<int>(exponent), false};
        const auto cut = static_cast<std::size_t>(length - wanted);
        return {value.Extract(cut, wanted), static_cast<int>(exponent) + length - wanted, value.AnyBitBelow(cut)};
    }
    // digits * 10^-F = digits * 2^-F / 5^F: a quotient of wanted to wanted + 1 bits, scaled by 2^j.
    const auto f = static_cast<std::uint64_t>(-exponent);
    BigUnsigned denominator = FivePower(f);
    const std::int64_t j = wanted + static_cast<std::int64_t>(denominator.BitLength()) -
                           static_cast<std::int64_t>(value.BitLength());
    if (j >= 0) value.ShiftLeft(static_cast<std::size_t>(j));
    if (j < 0) denominator.ShiftLeft(static_cast<std::size_t>(-j));
    const Bits128 quotient = DivideWithSmallQuotient(value, denominator);
    return {quotient, static_cast<int>(-j + exponent), !value.IsZero()};
}

GuardedSignificand ReadDecimalMagnitude(const FloatFormat& format, std::string_view digits, std::int64_t exponent,
                                        std::uint64_t value) {
    assert(!digits.empty() && digits[0] != '0');
    assert(value == 0 || (digits.size() <= MaxShortDigits && value == DigitsValue(digits)));
    const int precision = format.Precision();
    // digits * 10^exponent lies in [10^(top-1), 10^top). 3.3219 < log2(10) < 3.3220: beyond
    // these bounds the value is surely above 2^(emax+2) or below 2^(MinQuantum-2).
    constexpr std::int64_t Far = 1'000'000;
    const std::int64_t top = std::clamp<std::int64_t>(static_cast<std::int64_t>(digits.size()) + exponent, -Far, Far);
    if ((top - 1) * 33219 >= std::int64_t{format.MaxExponent() + 2} * 10000) return BeyondOverflow(format);
    if (top * 33219 <= std::int64_t{format.MinQuantumExponent() - 2} * 10000) return BelowHalfSubnormal(format);
    const auto fast = digits.size() <= MaxShortDigits ? ReadShortDecimal(value != 0 ? value : DigitsValue(digits), exponent, precision)
                                                      : ReadBetweenShortNeighbours(digits, exponent, precision);
    // Field by field: a whole copy would read the 128 bits in one load just after two 64-bit
    // stores wrote them, which the processor cannot forward and waits out.
    if (fast) return {fast->Bits, fast->Exponent, fast->Sticky};
    // Past the digit bound the rest only says "more than the kept digits": one nonzero digit
    // stands for it.
    const std::int64_t bound = SignificantDigitBound(format);
    if (static_cast<std::int64_t>(digits.size()) <= bound) return ReadDecimalExactly(digits, exponent, precision);
    const auto kept = static_cast<std::size_t>(bound);
    std::string shortened(digits.substr(0, kept));
    const bool rest = digits.find_first_not_of('0', kept) != std::string_view::npos;
    if (rest) shortened.push_back('1');
    const std::int64_t dropped = static_cast<std::int64_t>(digits.size() - shortened.size());
    return ReadDecimalExactly(shortened, exponent + dropped, precision);
}

GuardedSignificand ReadHexMagnitude(const FloatFormat& format, std::string_view digits, std::int64_t exponent) {
    assert(!digits.empty());
    const int first = HexDigitValue(digits[0]);
    assert(first != 0);
    // The leading bit's weight, 2^lead, decides the far ranges without touching the digits.
    constexpr std::int64_t Far = 1'000'000;
    const std::int64_t lead = std::clamp<std::int64_t>(
        exponent + 4 * static_cast<std::int64_t>(digits.size() - 1) + std::bit_width(static_cast<unsigned>(first)) - 1, -Far, Far);
    if (lead >= format.MaxExponent() + 2) return BeyondOverflow(format);
    if (lead <= format.MinQuantumExponent() - 3) return BelowHalfSubnormal(format);
    const std::size_t taken = std::min<std::size_t>(digits.size(), HexDigitsTaken);
    const Bits128 bits = ReadHexBits(digits.substr(0, taken)).Bits;
    const bool rest = digits.find_first_not_of('0', taken) != std::string_view::npos;
    return {bits, static_cast<int>(exponent + 4 * static_cast<std::int64_t>(digits.size() - taken)), rest};
}

}  // namespace pexabit
