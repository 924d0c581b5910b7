#include "format/Shortest.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "decimal/DecimalLimbs.h"
#include "decimal/ExactExpansion.h"
#include "format/CanonicalValue.h"
#include "format/ShortestDigits.h"

namespace pexabit {

namespace {

// 36 digits of binary128 plus ".", "e-4966" and a sign fit, and so does any fixed text chosen
// instead, which is never longer.
constexpr std::size_t TextCapacity = 64;
constexpr std::size_t DigitCapacity = 40;  // decimal digits of any Bits128
constexpr std::uint64_t TenTo19 = 10'000'000'000'000'000'000ULL;
constexpr int MinExponentDigits = 2;  // "e+05", as printf writes exponents

// The decimal digits of v without leading zeros ("0" for 0); returns their count.
std::size_t WriteDigits(Bits128 v, char* out) {
    if ((v >> 64) == 0) return limbs::WriteUint64(static_cast<std::uint64_t>(v), out);
    const std::size_t n = WriteDigits(v / TenTo19, out);
    char low[20];
    const std::size_t lowCount = limbs::WriteUint64(static_cast<std::uint64_t>(v % TenTo19), low);
    constexpr std::size_t LowWidth = 19;
    std::memset(out + n, '0', LowWidth - lowCount);
    std::memcpy(out + n + LowWidth - lowCount, low, lowCount);
    return n + LowWidth;
}

int DecimalWidth(int v) {
    int n = 1;
    for (; v >= 10; v /= 10) ++n;
    return n;
}

// Lengths of digits * 10^exponent (n digits, scientific exponent x) in each notation.
int ScientificLength(int n, int x) {
    return n + (n > 1 ? 1 : 0) + 2 + std::max(MinExponentDigits, DecimalWidth(std::abs(x)));
}
int FixedLength(int n, int exponent, int x) {
    if (exponent >= 0) return n + exponent;  // digits and zeros
    if (x >= 0) return n + 1;                // the point among the digits
    return n + 1 - x;                        // "0.", zeros, digits
}

char* WriteScientific(const char* digits, int n, int x, char* p) {
    *p++ = digits[0];
    if (n > 1) {
        *p++ = '.';
        p = std::copy(digits + 1, digits + n, p);
    }
    *p++ = 'e';
    *p++ = x < 0 ? '-' : '+';
    char exponent[DigitCapacity];
    const std::size_t count = limbs::WriteUint64(static_cast<std::uint64_t>(std::abs(x)), exponent);
    if (count < static_cast<std::size_t>(MinExponentDigits)) *p++ = '0';
    return std::copy(exponent, exponent + count, p);
}

// A value with a fraction: the point among the digits, or "0." and zeros before them.
char* WriteFixedFraction(const char* digits, int n, int x, char* p) {
    if (x >= 0) {
        p = std::copy(digits, digits + x + 1, p);
        *p++ = '.';
        return std::copy(digits + x + 1, digits + n, p);
    }
    *p++ = '0';
    *p++ = '.';
    p = std::fill_n(p, -x - 1, '0');
    return std::copy(digits, digits + n, p);
}

int BitWidth(Bits128 v) {
    const auto high = static_cast<std::uint64_t>(v >> 64);
    return high != 0 ? 64 + std::bit_width(high) : std::bit_width(static_cast<std::uint64_t>(v));
}

// The exact digits of an integer value M * 2^e: within 128 bits by shifting, else expanded.
char* WriteInteger(const StoredValue& v, char* p) {
    if (v.Exponent <= 0) return p + WriteDigits(v.Significand >> -v.Exponent, p);
    if (BitWidth(v.Significand) + v.Exponent <= 128) return p + WriteDigits(v.Significand << v.Exponent, p);
    DecimalExpansion expansion;
    ExpandExact(v.Significand, v.Exponent, expansion);
    return std::copy(expansion.Integer.begin(), expansion.Integer.end(), p);
}

std::string Written(const StoredValue& v, const ShortestDecimal& d) {
    char digits[DigitCapacity];
    const int n = static_cast<int>(WriteDigits(d.Digits, digits));
    const int x = d.Exponent + n - 1;
    char text[TextCapacity];
    char* p = text;
    if (v.Negative) *p++ = '-';
    if (FixedLength(n, d.Exponent, x) > ScientificLength(n, x)) {
        p = WriteScientific(digits, n, x, p);
    } else if (d.Exponent < 0) {
        p = WriteFixedFraction(digits, n, x, p);
    } else {
        // Fewest digits that read back at or above 10^0 leave no fraction: the value itself is an
        // integer (an interval reaching an integer from a non-integer value would be wider than
        // one unit of the value's last bit).
        assert(v.Exponent >= 0 || (v.Significand & LowBits(-v.Exponent)) == 0);
        p = WriteInteger(v, p);
    }
    assert(static_cast<std::size_t>(p - text) <= TextCapacity);
    return std::string(text, p);
}

}  // namespace

std::optional<std::string> ShortestText(const FloatFormat& format, const StoredValue& value) {
    switch (value.Class) {
        case ValueClass::QuietNan:
        case ValueClass::SignallingNan:
            return std::nullopt;
        case ValueClass::Noncanonical: {
            const std::optional<StoredValue> canonical = CanonicalValue(format, value);
            if (!canonical) return std::nullopt;
            return ShortestText(format, *canonical);
        }
        case ValueClass::Infinite:
            return value.Negative ? "-inf" : "inf";
        case ValueClass::Zero:
            return value.Negative ? "-0" : "0";
        case ValueClass::Subnormal:
        case ValueClass::Normal:
            break;
    }
    return Written(value, ShortestDigits(format, value));
}

}  // namespace pexabit
