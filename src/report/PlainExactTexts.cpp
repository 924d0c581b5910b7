#include "report/PlainExactTexts.h"

#include "arith/ExactExpansion.h"
#include "report/PatternFields.h"

namespace pexabit {

namespace {

constexpr int SignificandWidth = 128;  // Bits128

// "inf", "-inf" or "nan" for a pattern without a finite value; false when it has one.
bool WriteNonFinite(const StoredValue& value, std::string& out) {
    if (HasFiniteValue(value)) return false;
    if (value.Class == ValueClass::Infinite) out.assign(value.Negative ? "-inf" : "inf");
    else out.assign("nan");
    return true;
}

}  // namespace

void WritePlainDecimal(const StoredValue& value, std::string& out) {
    if (WriteNonFinite(value, out)) return;
    WritePlainDigits(value.Negative, value.Significand, value.Exponent, out);
}

// M * 2^e with M odd: the integer bits are M >> -e, the fraction bits the low -e bits of M
// written in -e places, so the last one is M's last (set) bit.
void WritePlainBinary(const StoredValue& value, std::string& out) {
    if (WriteNonFinite(value, out)) return;
    out.clear();
    Bits128 m = value.Significand;
    int e = value.Exponent;
    if (m == 0) {
        out.assign(value.Negative ? "-0" : "0");
        return;
    }
    for (; (m & 1) == 0; m >>= 1) ++e;
    // At most a sign, the bits, a "." and |e| zeros or places: one allocation.
    out.reserve(2 + static_cast<std::size_t>(BitWidth128(m)) + static_cast<std::size_t>(e < 0 ? -e : e));
    if (value.Negative) out += '-';
    if (e >= 0) {
        AppendBitsText(out, m, BitWidth128(m));
        out.append(static_cast<std::size_t>(e), '0');
        return;
    }
    const int places = -e;
    const Bits128 integer = places >= SignificandWidth ? 0 : m >> places;
    AppendBitsText(out, integer, integer == 0 ? 1 : BitWidth128(integer));
    out += '.';
    if (places > SignificandWidth) out.append(static_cast<std::size_t>(places - SignificandWidth), '0');
    const int width = places > SignificandWidth ? SignificandWidth : places;
    AppendBitsText(out, m & LowBits(width), width);
}

void WritePowerOfTwo(int exponent, std::string& out) { WritePlainDigits(false, 1, exponent, out); }

DecimalParts PlainParts(std::string_view plain) {
    if (!plain.empty() && plain[0] == '-') plain.remove_prefix(1);
    const std::size_t point = plain.find('.');
    if (point == std::string_view::npos) return {plain, {}};
    return {plain.substr(0, point), plain.substr(point + 1)};
}

}  // namespace pexabit
