#include "format/Rounding.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <optional>

#include "format/ShortDecimal.h"
#include "text/Characters.h"

namespace pexabit {

namespace {

// A significand rounded at quantum 2^Exponent, and whether anything was lost.
template <class Word>
struct Rounded {
    Word Significand = 0;
    int Exponent = 0;
    bool Inexact = false;
};

template <class Word>
constexpr int WordBits = static_cast<int>(sizeof(Word) * 8);

int BitWidthOf(std::uint64_t v) { return std::bit_width(v); }
int BitWidthOf(Bits128 v) { return BitWidth128(v); }

// Whether the guarded bits of `magnitude` and the patterns of `format` fit one 64-bit word,
// which every format of at most 64 bits meets for the short texts most inputs are: those round
// in plain register arithmetic, the others in 128 bits.
bool FitsWord(const FloatFormat& format, const GuardedSignificand& magnitude) {
    return format.TotalBits <= WordBits<std::uint64_t> && magnitude.Bits == static_cast<std::uint64_t>(magnitude.Bits);
}

bool RoundsAway(RoundingMode mode, bool negative, bool odd, bool half, bool rest) {
    switch (mode) {
        case RoundingMode::NearestEven: return half && (rest || odd);
        case RoundingMode::NearestAway: return half;
        case RoundingMode::TowardZero: return false;
        case RoundingMode::Up: return !negative && (half || rest);
        case RoundingMode::Down: return negative && (half || rest);
    }
    return false;
}

// bits * 2^exponent (and a sticky rest below it) rounded to a multiple of 2^quantum; the
// significand may reach a new power of two. Word holds the bits and the result: with 64-bit
// words, the caller has checked that the format's significands fit.
template <class Word>
[[gnu::always_inline]] inline Rounded<Word> RoundAt(Word bits, int exponent, bool sticky, int quantum, bool negative,
                                                    RoundingMode mode) {
    constexpr int Size = WordBits<Word>;
    const int shift = quantum - exponent;
    if (shift <= 0) {
        assert(!sticky && BitWidthOf(bits) - shift <= Size);
        return {static_cast<Word>(bits << -shift), quantum, false};
    }
    const Word kept = shift >= Size ? 0 : bits >> shift;
    const bool half = shift <= Size && ((bits >> (shift - 1)) & 1) != 0;
    const bool rest = sticky || (bits & LowBitsOf<Word>(std::min(shift - 1, Size))) != 0;
    const bool away = RoundsAway(mode, negative, (kept & 1) != 0, half, rest);
    return {static_cast<Word>(kept + (away ? 1 : 0)), quantum, half || rest};
}

bool RoundsToInfinity(RoundingMode mode, bool negative) {
    return mode == RoundingMode::NearestEven || mode == RoundingMode::NearestAway ||
           (mode == RoundingMode::Up && !negative) || (mode == RoundingMode::Down && negative);
}

// The largest finite significand at emax: all ones, but for E4M3 whose all-ones pattern is its NaN.
template <class Word = Bits128>
Word MaxSignificand(const FloatFormat& format) {
    return LowBitsOf<Word>(format.Precision()) - (format.HasInfinities() ? 0 : 1);
}

// The infinity of the sign, or E4M3's NaN where an infinity would be.
StoredValue InfinityOf(const FloatFormat& format, bool negative) {
    const Bits128 fraction = format.HasInfinities() ? 0 : LowBits(format.FractionBits);
    return DecodePattern(format, ComposePattern(format, negative, format.AllOnesExponent, true, fraction));
}

// The normal value significand * 2^exponent (significand with its leading bit at FractionBits),
// its fields set in place: the reading of short decimal texts spends much of its time here.
template <class Word>
void SetNormalValue(StoredValue& v, const FloatFormat& format, bool negative, Word significand, int exponent) {
    v.Negative = negative;
    v.BiasedExponent = exponent + format.FractionBits + format.Bias;
    v.IntegerBit = true;
    const Word fraction = significand & LowBitsOf<Word>(format.FractionBits);
    v.Fraction = fraction;
    v.Significand = significand;
    v.Exponent = exponent;
    v.Class = ValueClass::Normal;
    v.Pattern = (Word{negative ? 1U : 0U} << (format.TotalBits - 1)) |
                (Word(static_cast<unsigned>(v.BiasedExponent)) << (format.TotalBits - 1 - format.ExponentBits)) |
                (format.StoredIntegerBit ? Word{1} << format.FractionBits : 0) | fraction;
}

void SetOverflow(RoundedValue& r, const FloatFormat& format, bool negative, RoundingMode mode) {
    r.Value = RoundsToInfinity(mode, negative)
                  ? InfinityOf(format, negative)
                  : FromSignificand(format, negative, MaxSignificand(format), format.MaxExponent() - format.FractionBits);
    r.Value.Overflow = true;
    r.Flags = {true, false, true};
}

template <class Word>
RoundedValue RoundGuardedIn(const FloatFormat& format, bool negative, Word bits, int exponent, bool sticky,
                            RoundingMode mode) {
    const int precision = format.Precision();
    const int lead = exponent + BitWidthOf(bits) - 1;
    // First with an unbounded exponent: this decides overflow and tininess.
    Rounded<Word> unbounded = RoundAt<Word>(bits, exponent, sticky, lead - format.FractionBits, negative, mode);
    if (unbounded.Significand >> precision != 0) {
        unbounded.Significand >>= 1;
        ++unbounded.Exponent;
    }
    const int roundedLead = unbounded.Exponent + format.FractionBits;
    const bool overflow = roundedLead > format.MaxExponent() ||
                          (roundedLead == format.MaxExponent() && unbounded.Significand > MaxSignificand<Word>(format));
    RoundedValue r;
    if (overflow) {
        SetOverflow(r, format, negative, mode);
        return r;
    }
    if (lead >= format.MinExponent()) {
        SetNormalValue<Word>(r.Value, format, negative, unbounded.Significand, unbounded.Exponent);
        r.Flags.Inexact = unbounded.Inexact;
        return r;
    }
    // Below the normal range the quantum is the smallest subnormal's; the result may still
    // round up to the smallest normal, but tininess was fixed by the unbounded rounding.
    const Rounded<Word> subnormal = RoundAt<Word>(bits, exponent, sticky, format.MinQuantumExponent(), negative, mode);
    r.Value = FromSignificand(format, negative, subnormal.Significand, subnormal.Exponent);
    r.Flags.Inexact = subnormal.Inexact;
    r.Flags.Underflow = subnormal.Inexact && roundedLead < format.MinExponent();
    return r;
}

}  // namespace

RoundedValue RoundGuarded(const FloatFormat& format, bool negative, const GuardedSignificand& magnitude,
                          RoundingMode mode) {
    assert(magnitude.Bits != 0);
    assert(!magnitude.Sticky || BitWidth128(magnitude.Bits) > format.Precision());
    if (FitsWord(format, magnitude)) {
        return RoundGuardedIn<std::uint64_t>(format, negative, static_cast<std::uint64_t>(magnitude.Bits),
                                             magnitude.Exponent, magnitude.Sticky, mode);
    }
    return RoundGuardedIn<Bits128>(format, negative, magnitude.Bits, magnitude.Exponent, magnitude.Sticky, mode);
}

namespace {

RoundedValue RoundInfinity(const FloatFormat& format, bool negative) {
    if (!format.HasInfinities()) {
        RoundedValue r;
        r.Value = InfinityOf(format, negative);
        r.Value.Overflow = true;
        r.Flags = {true, false, true};
        return r;
    }
    return {InfinityOf(format, negative), {}, {}};
}

// The typed payload's bits, or an error when it is wider than `width` bits.
std::optional<Bits128> PayloadBits(const std::string& hex, int width) {
    const std::size_t first = hex.find_first_not_of('0');
    if (first == std::string::npos) return Bits128{0};
    const std::string_view digits = std::string_view(hex).substr(first);
    const auto bits = static_cast<std::int64_t>(4 * (digits.size() - 1)) +
                      std::bit_width(static_cast<unsigned>(HexDigitValue(digits[0])));
    if (bits > width) return std::nullopt;
    return ReadHexBits(digits).Bits;
}

RoundedValue RoundNan(const FloatFormat& format, const TypedNumber& number) {
    const std::string name(format.Name);
    if (!format.HasInfinities()) {
        if (number.Signalling) return {{}, {}, name + " has no signalling NaN: its one NaN is S.1111.111"};
        if (number.Payload && number.Payload->find_first_not_of('0') != std::string::npos) {
            return {{}, {}, name + " carries no NaN payload: its one NaN is S.1111.111"};
        }
        return {InfinityOf(format, number.Negative), {}, {}};
    }
    const int width = format.FractionBits - 1;
    const auto payload = PayloadBits(number.Payload.value_or(number.Signalling ? "1" : "0"), width);
    if (!payload) {
        return {{}, {}, "the payload 0x" + *number.Payload + " does not fit " + name + ": its NaNs carry " +
                            std::to_string(width) + " payload bits below the quiet bit"};
    }
    if (number.Signalling && *payload == 0) return {{}, {}, "snan needs a nonzero payload"};
    const Bits128 fraction = (number.Signalling ? 0 : QuietBit(format)) | *payload;
    return {DecodePattern(format, ComposePattern(format, number.Negative, format.AllOnesExponent, true, fraction)), {}, {}};
}

}  // namespace

RoundedValue RoundToFormat(const FloatFormat& format, const TypedNumber& number, RoundingMode mode) {
    switch (number.Type) {
        case TypedNumber::Kind::Nan: return RoundNan(format, number);
        case TypedNumber::Kind::Infinity: return RoundInfinity(format, number.Negative);
        case TypedNumber::Kind::Finite: break;
    }
    if (number.Digits.empty()) {
        return {FromSignificand(format, number.Negative, 0, format.MinQuantumExponent()), {}, {}};
    }
    // Most texts are short decimals whose value the parser kept: the power table or the division
    // reads them here, inline, and no range check is needed first, since rounding takes any
    // exponent within the table (far below the subnormals or far above the largest value alike).
    // What they cannot settle, and exponents beyond the table, take the general reading.
    if (number.ShortValue != 0) {
        assert(!number.Hex && !number.FarExponent && number.Digits.size() <= static_cast<std::size_t>(MaxShortDigits));
        if (const auto fast = ReadShortDecimal(number.ShortValue, number.Exponent, format.Precision())) {
            return RoundGuarded(format, number.Negative, {fast->Bits, fast->Exponent, fast->Sticky}, mode);
        }
    }
    const GuardedSignificand magnitude = number.Hex ? ReadHexMagnitude(format, number.Digits, number.Exponent)
                                                    : ReadDecimalMagnitude(format, number.Digits, number.Exponent, number.ShortValue);
    return RoundGuarded(format, number.Negative, magnitude, mode);
}

}  // namespace pexabit
