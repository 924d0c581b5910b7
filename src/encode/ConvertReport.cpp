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

// FormatScientific of |a| - |b| into `out`, on copies: both routines add a missing sign or ",0"
// to their arguments, and the state keeps its texts as they are.
void Difference(const std::string& minuend, const std::string& subtrahend, std::string& out) {
    // The same text has the same magnitude: the exact value of a decoded pattern is converted
    // back to itself, and comparing is far cheaper than subtracting a thousand digits.
    if (minuend == subtrahend && minuend.find(',') != std::string::npos) {
        out = "+0,0";
        return;
    }
    std::string a = minuend;
    std::string b = subtrahend;
    std::string difference = SubtractDecimal(a, b);
    FormatScientific(difference, out);
}

// Label21 and Label22: each format's value as the platform displays it, or its overflow.
void SetDisplayCaptions(ConvertResultTexts& r, const ConversionState& s, std::string_view separator) {
    if (s.SingleOverflow) {
        r.Label21 = "Number of Single displayed in the Windows F = Overflow";
    } else {
        r.Label21 = "Single number displayed in the  Windows F=";
        r.Label21 += SingleDisplayForm(s.SingleValue, separator);
    }
    if (s.DoubleOverflow) {
        r.Label22 = "Double the number displayed in the Windows F = Overflow";
    } else {
        r.Label22 = "Double number displayed in the Windows F=";
        r.Label22 += DoubleDisplayForm(s.DoubleValue, separator);
    }
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
void DoubleMinusSingle(const ConversionState& s, std::string& out) {
    if (IsZero(s.SingleExact) && !s.DoubleExactSci.empty()) {
        out = s.DoubleExactSci;
        out[0] = '+';
        return;
    }
    Difference(s.DoubleExact, s.SingleExact, out);
}

// The results' strings are written over, so that a caller converting one number after another
// keeps their storage.
void SetDifferences(ConvertResultTexts& r, const ConversionState& s, const std::string& original) {
    // The typed text that is the Double's exact value (as the hex buttons hand it over) differs
    // from the Double by zero and from the Single as the Double does.
    const bool originalIsDouble = !s.DoubleOverflow && original == s.DoubleExact;
    r.Text8.clear();
    r.Text10.clear();
    r.Text11.clear();
    if (!s.DoubleOverflow && !s.SingleOverflow) DoubleMinusSingle(s, r.Text8);
    // The Double's exact value always has its comma, so Difference would give "+0,0" as well.
    if (originalIsDouble) r.Text10 = "+0,0";
    else if (!s.DoubleOverflow) Difference(original, s.DoubleExact, r.Text10);
    if (originalIsDouble && !s.SingleOverflow) r.Text11 = r.Text8;
    else if (!s.SingleOverflow) Difference(original, s.SingleExact, r.Text11);
}

void AddDifferences(ControlTexts& report, ConvertResultTexts& r) {
    if (!r.Text8.empty()) report.push_back({"Text8", std::move(r.Text8)});
    if (!r.Text10.empty()) report.push_back({"Text10", std::move(r.Text10)});
    if (!r.Text11.empty()) report.push_back({"Text11", std::move(r.Text11)});
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

bool ConvertDecimalResults(ConversionState& state, std::string_view text,
                           std::string_view decimalSeparator,
                           const std::filesystem::path* scratchDirectory,
                           ConvertResultTexts& results, std::optional<std::string>& scratchError) {
    // The exact value of a stored format, as the hex buttons hand it over, is the system's own
    // DecimalString: sign, digits, one comma. It passes the check by construction.
    if (!IsExactValueOf(state, text) && !CheckDecimalText(text)) return false;
    EncodeResult encoded = EncodeNumber(state, text, scratchDirectory);
    if (!encoded.Accepted) return false;
    scratchError = std::move(encoded.ScratchError);
    SetDisplayCaptions(results, state, decimalSeparator);
    SetDifferences(results, state, encoded.NumericPrefix);
    return true;
}

ControlTexts AssembleConvertReport(const ConversionState& state, const ViewChoice& view,
                                   ConvertResultTexts results) {
    ControlTexts report;
    report.reserve(24);
    report.push_back({"Label21", std::move(results.Label21)});
    report.push_back({"Label22", std::move(results.Label22)});
    AddFieldTexts(report, state);
    report.push_back({"Text9", SingleView(state, view.SingleBinary, view.SingleScientific)});
    report.push_back({"Text6", DoubleView(state, view.DoubleBinary, view.DoubleScientific)});
    AddDifferences(report, results);
    return report;
}

ConvertOutcome ConvertDecimal(ConversionState& state, std::string_view text,
                              const ViewChoice& view, std::string_view decimalSeparator,
                              const std::filesystem::path* scratchDirectory) {
    ConvertOutcome outcome;
    ConvertResultTexts results;
    outcome.Accepted = ConvertDecimalResults(state, text, decimalSeparator, scratchDirectory,
                                             results, outcome.ScratchError);
    if (outcome.Accepted) outcome.Report = AssembleConvertReport(state, view, std::move(results));
    return outcome;
}

}  // namespace pexabit
