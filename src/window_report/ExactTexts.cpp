#include "window_report/ExactTexts.h"

#include <cassert>

#include "arith/ExactExpansion.h"
#include "format/FieldTexts.h"
#include "window_report/Scientific.h"

namespace pexabit {

void WriteBinaryString(const FloatFormat& format, const StoredValue& value, std::string& out) {
    // A normal value shows its leading bit too; a zero or subnormal starts with its fraction.
    const int width = value.IntegerBit ? format.Precision() : format.FractionBits;
    const int low = value.Exponent;  // binary place of the last bit
    const int high = low + width - 1;
    out.assign(1, value.Negative ? '-' : '+');
    if (high < 0) {  // below one: "0," and zeros down to the first bit
        out += "0,";
        out.append(static_cast<std::size_t>(-high - 1), '0');
        AppendBitsText(out, value.Significand, width);
    } else if (low > 0) {  // an integer ending above place 0: zeros fill, no comma
        AppendBitsText(out, value.Significand, width);
        out.append(static_cast<std::size_t>(low), '0');
    } else {  // the comma between places 0 and -1, last when no bit lies below place 0
        AppendBitsText(out, value.Significand >> -low, high + 1);
        out += ',';
        AppendBitsText(out, value.Significand, -low);
    }
}

void WriteWindowDecimal(const StoredValue& value, std::string& out) {
    WriteDecimalString(value.Negative ? '-' : '+', value.Significand, value.Exponent, out);
}

const char* SpecialName(const StoredValue& value) {
    switch (value.Class) {
        case ValueClass::Infinite: return value.Negative ? "-Infinity" : "+Infinity";
        case ValueClass::QuietNan:
        case ValueClass::SignallingNan: return "NANs";
        default: return nullptr;
    }
}

void WriteExactTexts(const FloatFormat& format, const StoredValue& value, ExactTexts& out) {
    if (const char* name = SpecialName(value)) {
        out.Binary = out.BinarySci = out.Exact = out.ExactSci = name;
        return;
    }
    WriteBinaryString(format, value, out.Binary);
    FormatScientific(out.Binary, out.BinarySci);
    WriteWindowDecimal(value, out.Exact);
    FormatScientific(out.Exact, out.ExactSci);
}

}  // namespace pexabit
