#include "encode/ConvertReport.h"

#include <algorithm>

#include "decimal/PatternFields.h"
#include "decimal/Scientific.h"
#include "decimal/Subtract.h"
#include "encode/DecimalInput.h"
#include "encode/DisplayForm.h"
#include "encode/Encoding.h"
#include "encode/FieldCaptions.h"

namespace pexabit {
namespace {

// FormatScientific of |a| - |b|, on copies: both routines add a missing sign or ",0" to their
// arguments, and the state keeps its texts as they are.
std::string Difference(const std::string& minuend, const std::string& subtrahend) {
    // The same text has the same magnitude: the exact value of a decoded pattern is converted
    // back to itself, and comparing is far cheaper than subtracting a thousand digits.
    if (minuend == subtrahend && minuend.find(',') != std::string::npos) return "+0,0";
    std::string a = minuend;
    std::string b = subtrahend;
    std::string difference = SubtractDecimal(a, b);
    return FormatScientific(difference);
}

void AddDisplayCaptions(ControlTexts& report, const ConversionState& s, std::string_view separator) {
    report.push_back({"Label21", s.SingleOverflow
                                     ? std::string("Number of Single displayed in the Windows F = Overflow")
                                     : "Single number displayed in the  Windows F=" +
                                           SingleDisplayForm(s.SingleValue, separator)});
    report.push_back({"Label22", s.DoubleOverflow
                                     ? std::string("Double the number displayed in the Windows F = Overflow")
                                     : "Double number displayed in the Windows F=" +
                                           DoubleDisplayForm(s.DoubleValue, separator)});
}

void AddFieldTexts(ControlTexts& report, const ConversionState& s) {
    report.push_back({"Label15", SignCaption(s.SingleSign)});
    report.push_back({"Label16", ExponentCaption(s.SingleExponent)});
    report.push_back({"Label17", MantissaCaption(s.SingleMantissaHex)});
    report.push_back({"Label18", SignCaption(s.DoubleSign)});
    report.push_back({"Label19", ExponentCaption(s.DoubleExponent)});
    report.push_back({"Label20", MantissaCaption(s.DoubleMantissaHex)});
    report.push_back({"Text7", s.SingleHex});
    report.push_back({"Text12", s.DoubleHex});
    const std::string singleTop = ByteToBits(s.SingleBytes[3]);
    report.push_back({"Label9", singleTop.substr(0, 1)});
    report.push_back({"Label10", singleTop.substr(1) + ByteToBits(s.SingleBytes[2]).substr(0, 1)});
    report.push_back({"Label11", s.SingleMantissaBits});
    const std::string doubleTop = ByteToBits(s.DoubleBytes[7]);
    report.push_back({"Text5", doubleTop.substr(0, 1)});
    report.push_back({"Text4", doubleTop.substr(1) + ByteToBits(s.DoubleBytes[6]).substr(0, 4)});
    report.push_back({"Text3", s.DoubleMantissaBits});
}

bool IsZero(const std::string& exact) { return exact == "+0,0" || exact == "-0,0"; }

// |DoubleExact| - |SingleExact|. When the Single is a zero the difference is the Double's own
// magnitude, whose scientific form the analysis already made (the exact values are canonical,
// so both routes give the same digits).
std::string DoubleMinusSingle(const ConversionState& s) {
    if (IsZero(s.SingleExact) && !s.DoubleExactSci.empty()) {
        std::string magnitude = s.DoubleExactSci;
        magnitude[0] = '+';
        return magnitude;
    }
    return Difference(s.DoubleExact, s.SingleExact);
}

void AddDifferences(ControlTexts& report, const ConversionState& s, const std::string& original) {
    std::string doubleMinusSingle;
    if (!s.DoubleOverflow && !s.SingleOverflow) {
        doubleMinusSingle = DoubleMinusSingle(s);
        report.push_back({"Text8", doubleMinusSingle});
    }
    if (!s.DoubleOverflow) report.push_back({"Text10", Difference(original, s.DoubleExact)});
    if (!s.SingleOverflow) {
        // The typed text that is the Double's exact value (as the hex buttons hand it over) has
        // the same difference to the Single as the Double has.
        const bool originalIsDouble = !s.DoubleOverflow && original == s.DoubleExact;
        report.push_back({"Text11", originalIsDouble ? doubleMinusSingle : Difference(original, s.SingleExact)});
    }
}

}  // namespace

const std::string& SingleView(const ConversionState& state, bool binary, bool scientific) {
    if (binary) return scientific ? state.SingleBinarySci : state.SingleBinary;
    return scientific ? state.SingleExactSci : state.SingleExact;
}

const std::string& DoubleView(const ConversionState& state, bool binary, bool scientific) {
    if (binary) return scientific ? state.DoubleBinarySci : state.DoubleBinary;
    return scientific ? state.DoubleExactSci : state.DoubleExact;
}

ControlTexts BusyStateTexts() {
    ControlTexts texts;
    for (const char* box : {"Text7", "Text9", "Text12", "Text6", "Text8", "Text10", "Text11"}) {
        texts.push_back({box, ""});
    }
    texts.push_back({"Label21", ""});
    texts.push_back({"Label22", ""});
    texts.push_back({"Label15", "S="});
    texts.push_back({"Label16", "E="});
    texts.push_back({"Label17", "M="});
    texts.push_back({"Label18", "S="});
    texts.push_back({"Label19", "E="});
    texts.push_back({"Label20", "M="});
    return texts;
}

bool AcceptDecimalText(std::string_view text) {
    if (!CheckDecimalText(text)) return false;
    std::string typed(text);
    std::replace(typed.begin(), typed.end(), '.', ',');
    return FitsCanonicalLength(typed);
}

ConvertOutcome ConvertDecimal(ConversionState& state, std::string_view text,
                              const ViewChoice& view, std::string_view decimalSeparator,
                              const std::filesystem::path* scratchDirectory) {
    ConvertOutcome outcome;
    if (!CheckDecimalText(text)) return outcome;
    EncodeResult encoded = EncodeNumber(state, text, scratchDirectory);
    if (!encoded.Accepted) return outcome;
    outcome.Accepted = true;
    outcome.ScratchError = std::move(encoded.ScratchError);
    ControlTexts& report = outcome.Report;
    report.reserve(24);
    AddDisplayCaptions(report, state, decimalSeparator);
    AddFieldTexts(report, state);
    report.push_back({"Text9", SingleView(state, view.SingleBinary, view.SingleScientific)});
    report.push_back({"Text6", DoubleView(state, view.DoubleBinary, view.DoubleScientific)});
    AddDifferences(report, state, encoded.NumericPrefix);
    return outcome;
}

}  // namespace pexabit
