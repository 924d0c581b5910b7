#include "report/PlainExactTexts.h"

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

void AppendPlain(std::string& out, bool negative, const DecimalExpansion& digits) {
    if (negative) out += '-';
    out += digits.Integer;
    if (!digits.Fraction.empty()) {
        out += '.';
        out += digits.Fraction;
    }
}

void WritePlainDecimal(const StoredValue& value, DecimalExpansion& digits, std::string& out) {
    if (WriteNonFinite(value, out)) return;
    ExpandExact(value.Significand, value.Exponent, digits);
    out.clear();
    AppendPlain(out, value.Negative, digits);
}

// M * 2^e with M odd: the integer bits are M >> -e, the fraction bits the low -e bits of M
// written in -e places, so the last one is M's last (set) bit.
void WritePlainBinary(const StoredValue& value, std::string& out) {
    if (WriteNonFinite(value, out)) return;
    out.clear();
    if (value.Negative) out += '-';
    Bits128 m = value.Significand;
    int e = value.Exponent;
    if (m == 0) {
        out += '0';
        return;
    }
    for (; (m & 1) == 0; m >>= 1) ++e;
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

void WritePowerOfTwo(int exponent, DecimalExpansion& digits, std::string& out) {
    ExpandExact(1, exponent, digits);
    out.clear();
    AppendPlain(out, false, digits);
}

}  // namespace pexabit
