#pragma once
// The one record of the last conversion or decoding. The window keeps one for its whole life;
// the command line starts every input from a fresh one. Plain data: the conversion and the
// decoding of window_report/ fill it, the front ends read it.

#include <string>

#include "format/FloatFormat.h"
#include "format/StoredValue.h"

namespace pexabit {

// The two formats of the window report.
enum class PatternFormat { Single, Double };

constexpr const FloatFormat& FormatOf(PatternFormat format) {
    return format == PatternFormat::Single ? SingleFormat : DoubleFormat;
}

// The four texts of a stored value that the exact-value boxes offer, by the "BIN"/"DEC" option
// and the "Exp" check box: base 2 (a BinaryString), its scientific form, base 10 (a
// DecimalString), its scientific form. An infinity or NaN has its name in all four.
struct ExactTexts {
    std::string Binary, BinarySci, Exact, ExactSci;
};

// One format's part of the last operation: the stored value (its overflow flag included) and
// the texts written from it. All empty before the first operation.
struct FormatPart {
    StoredValue Stored;
    ExactTexts Texts;
};

struct ConversionState {
    // Canonical form of the typed number: sign, the typed digits, a "," where one belongs,
    // no exponent ("+0,1" for 0.1); for a decoded pattern its exact value. Empty before the
    // first conversion.
    std::string OriginalNumber;

    double DoubleValue = 0.0;  // the typed number as a binary64
    float SingleValue = 0.0F;  // DoubleValue rounded to binary32, ties to even

    FormatPart Single, Double;

    FormatPart& Part(PatternFormat format) { return format == PatternFormat::Single ? Single : Double; }
    const FormatPart& Part(PatternFormat format) const {
        return format == PatternFormat::Single ? Single : Double;
    }
};

}  // namespace pexabit
