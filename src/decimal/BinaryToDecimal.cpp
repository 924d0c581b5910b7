#include "decimal/BinaryToDecimal.h"

#include <cstdint>
#include <cstring>
#include <optional>

#include "decimal/DecimalLimbs.h"
#include "decimal/PowerTables.h"

namespace pexabit {

namespace {

using limbs::Limbs;
using limbs::LimbSpan;

// The digits of s after its sign, split at the first ",". Without "," every bit is an integer
// bit. A bit at index i of Digits weighs 2^(Comma - 1 - i) before the comma and 2^(Comma - i)
// after it.
struct BitLayout {
    std::string_view Digits;
    std::size_t Comma;  // index of the first "," in Digits, or Digits.size() when there is none
};

// Value = M * 2^Exponent with M odd: every Single and Double fits, since their set bits span at
// most 53 places.
struct SmallSignificand {
    std::uint64_t M;
    std::int64_t Exponent;
};

constexpr std::size_t SignificandBits = 64;

// The index of the last "1" in digits, which holds at least one. A large Double ends in up to
// 971 zeros, skipped eight at a time.
std::size_t LastOne(std::string_view digits) {
    constexpr std::uint64_t EightZeros = 0x3030303030303030ULL;
    std::size_t end = digits.size();
    for (std::uint64_t word = 0; end >= 8; end -= 8) {
        std::memcpy(&word, digits.data() + end - 8, sizeof word);
        if (word != EightZeros) break;
    }
    return digits.rfind('1', end == 0 ? 0 : end - 1);
}

BitLayout SplitAtComma(std::string_view digits) {
    const std::size_t comma = digits.find(',');
    return {digits, comma == std::string_view::npos ? digits.size() : comma};
}

std::int64_t BinaryPlace(const BitLayout& layout, std::size_t i) {
    const auto comma = static_cast<std::int64_t>(layout.Comma);
    const auto index = static_cast<std::int64_t>(i);
    return index < comma ? comma - 1 - index : comma - index;
}

// M and its exponent when the set bits span at most 64 places; nothing otherwise. first and
// last are the indices of the first and last "1".
std::optional<SmallSignificand> ReadSmallSignificand(const BitLayout& layout, std::size_t first,
                                                     std::size_t last) {
    const std::int64_t high = BinaryPlace(layout, first);
    const std::int64_t low = BinaryPlace(layout, last);
    if (high - low + 1 > static_cast<std::int64_t>(SignificandBits)) return std::nullopt;
    std::uint64_t m = 0;
    for (std::size_t i = first; i <= last; ++i) {
        if (i == layout.Comma) continue;
        m = (m << 1) | (layout.Digits[i] == '1' ? 1U : 0U);
    }
    return SmallSignificand{m, low};
}

// sign & integer digits & "," & fraction digits, written over `out` at its final size.
void Assemble(char sign, LimbSpan integer, LimbSpan fraction, std::size_t fractionPlaces, std::string& out) {
    const std::size_t integerLength = limbs::DecimalLength(integer);
    const std::size_t fractionLength = fractionPlaces == 0 ? 1 : fractionPlaces;
    out.assign(2 + integerLength + fractionLength, '0');
    out[0] = sign;
    limbs::WriteDigits(integer, out.data() + 1, integerLength);
    out[1 + integerLength] = ',';
    if (fractionPlaces > 0) limbs::WriteDigits(fraction, out.data() + 2 + integerLength, fractionPlaces);
}

// M * 2^e for e >= 0; for e < 0 the integer part M >> k and the fraction digits
// (M mod 2^k) * 5^k written with k places, k = -e.
void ExpandSmall(char sign, SmallSignificand v, std::string& out) {
    Limbs scratch;
    if (v.Exponent >= 0) {
        const Limbs integer = limbs::Multiply(limbs::Uint64Limbs(v.M).View(),
                                              limbs::PowerOfTwoLimbs(static_cast<std::size_t>(v.Exponent), scratch));
        Assemble(sign, integer, {}, 0, out);
        return;
    }
    const auto k = static_cast<std::size_t>(-v.Exponent);
    const std::uint64_t integer = k >= SignificandBits ? 0 : v.M >> k;
    const std::uint64_t fractionBits = k >= SignificandBits ? v.M : v.M & ((std::uint64_t{1} << k) - 1);
    const Limbs fraction = limbs::Multiply(limbs::Uint64Limbs(fractionBits).View(), limbs::PowerOfFive(k, scratch));
    Assemble(sign, limbs::Uint64Limbs(integer).View(), fraction, k, out);
}

// Bits as an integer, most significant first, 29 at a time (2^29 * limb stays below 2^64).
Limbs ReadBits(std::string_view bits) {
    constexpr std::size_t Chunk = 29;
    Limbs x{0};
    for (std::size_t start = 0; start < bits.size(); start += Chunk) {
        const std::size_t n = std::min(Chunk, bits.size() - start);
        std::uint32_t chunk = 0;
        for (std::size_t i = start; i < start + n; ++i) chunk = (chunk << 1) | (bits[i] == '1' ? 1U : 0U);
        limbs::MultiplyAdd(x, std::uint32_t{1} << n, chunk);
    }
    return x;
}

// Any length: the integer bits read as an integer; the fraction bits up to the last set one,
// f_1 ... f_m, read as the integer F, whose value F / 2^m has the digits F * 5^m in m places.
void ExpandGeneral(char sign, const BitLayout& layout, std::size_t last, std::string& out) {
    const Limbs integer = ReadBits(layout.Digits.substr(0, layout.Comma));
    if (last < layout.Comma || layout.Comma == layout.Digits.size()) {
        Assemble(sign, integer, {}, 0, out);
        return;
    }
    const std::string_view fractionBits = layout.Digits.substr(layout.Comma + 1, last - layout.Comma);
    Limbs scratch;
    const Limbs fraction =
        limbs::Multiply(ReadBits(fractionBits), limbs::PowerOfFive(fractionBits.size(), scratch));
    Assemble(sign, integer, fraction, fractionBits.size(), out);
}

}  // namespace

void BinaryToDecimal(std::string_view s, std::string& out) {
    const BitLayout layout = SplitAtComma(s.substr(s.empty() ? 0 : 1));
    const std::size_t first = layout.Digits.find('1');
    if (first == std::string_view::npos) {
        const std::string_view zero = "+0,0";
        out.assign(zero);
        if (s.empty()) out.erase(0, 1);  // no sign to keep
        else out[0] = s[0];
        return;
    }
    const std::size_t last = LastOne(layout.Digits);
    const char sign = s[0];
    if (const auto small = ReadSmallSignificand(layout, first, last)) {
        ExpandSmall(sign, *small, out);
    } else {
        ExpandGeneral(sign, layout, last, out);
    }
}

std::string BinaryToDecimal(std::string_view s) {
    std::string out;
    BinaryToDecimal(s, out);
    return out;
}

}  // namespace pexabit
