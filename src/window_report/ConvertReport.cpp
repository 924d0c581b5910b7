#include "window_report/ConvertReport.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <fstream>
#include <limits>

#include "arith/Subtract.h"
#include "window_report/DecimalInput.h"
#include "window_report/DisplayForm.h"
#include "window_report/ExactDifference.h"
#include "window_report/ExactTexts.h"
#include "window_report/NumberConversion.h"
#include "window_report/Scientific.h"

namespace pexabit {
namespace {

constexpr char ScratchFileName[] = "ss.dat";

// The canonical form of a typed text: normalised after "." became ",".
std::optional<std::string> NormaliseTypedText(std::string_view text) {
    std::string typed(text);
    std::replace(typed.begin(), typed.end(), '.', ',');
    return NormaliseDecimal(typed);
}

// One format's part from its pattern. Only a rounding makes an infinity here (the special
// patterns never reach a conversion), so an infinity is that format's overflow.
void SetPart(const FloatFormat& format, Bits128 pattern, FormatPart& part) {
    part.Stored = DecodePattern(format, pattern);
    part.Stored.Overflow = part.Stored.Class == ValueClass::Infinite;
    WriteExactTexts(format, part.Stored, part.Texts);
}

// Both formats from the Double (the Single is the Double rounded, ties to even), and ss.dat.
void StoreValues(ConversionState& s, double value, const ConvertSettings& settings, ConvertResult& r) {
    s.DoubleValue = value;
    s.SingleValue = RoundToSingle(value);
    SetPart(SingleFormat, std::bit_cast<std::uint32_t>(s.SingleValue), s.Single);
    SetPart(DoubleFormat, std::bit_cast<std::uint64_t>(s.DoubleValue), s.Double);
    r.ScratchError.reset();
    if (settings.ScratchDirectory != nullptr) {
        r.ScratchError = WriteScratchFile(*settings.ScratchDirectory, s.SingleValue, s.DoubleValue);
    }
}

// The display captions of one format: its value as the platform displays it, or its overflow.
struct DisplayCaptions {
    const char* Value;
    const char* Overflow;
};

constexpr DisplayCaptions SingleCaptions{"Single number displayed in the  Windows F=",
                                         "Number of Single displayed in the Windows F = Overflow"};
constexpr DisplayCaptions DoubleCaptions{"Double number displayed in the Windows F=",
                                         "Double the number displayed in the Windows F = Overflow"};

void SetDisplay(const FormatPart& part, const DisplayCaptions& captions, const std::string& form, std::string& out) {
    out = part.Stored.Overflow ? captions.Overflow : captions.Value;
    if (!part.Stored.Overflow) out += form;
}

void SetDisplays(const ConversionState& s, std::string_view separator, ConvertResult& r) {
    SetDisplay(s.Single, SingleCaptions, SingleDisplayForm(s.SingleValue, separator), r.SingleDisplay);
    SetDisplay(s.Double, DoubleCaptions, DoubleDisplayForm(s.DoubleValue, separator), r.DoubleDisplay);
}

// What the "Original-" differences subtract from: the digits the typed text was read as (a
// DecimalString), or the decoded pattern's value.
struct Original {
    std::string_view Digits;
    const StoredValue* Pattern = nullptr;
    bool PatternIsDouble = false;  // a decoded Double is the Double itself
};

// |original| - |x| in scientific notation, into `out`.
void OriginalMinus(const Original& original, const FormatPart& x, std::string& out) {
    std::string difference;
    if (original.Pattern != nullptr) {
        WriteMagnitudeDifference(*original.Pattern, x.Stored, difference);
    } else {
        std::string a(original.Digits), b = x.Texts.Exact;  // SubtractDecimal may complete its arguments
        difference = SubtractDecimal(a, b);
    }
    FormatScientific(difference, out);
}

// |Double| - |Single| in scientific notation, into `out`.
void DoubleMinusSingle(const ConversionState& s, std::string& out) {
    if (s.Single.Stored.Class == ValueClass::Zero) {
        // Minus a zero: the Double's own magnitude, whose scientific form is made already.
        out = s.Double.Texts.ExactSci;
        out[0] = '+';
        return;
    }
    std::string difference;
    WriteMagnitudeDifference(s.Double.Stored, s.Single.Stored, difference);
    FormatScientific(difference, out);
}

// The three differences; each one only where its formats are finite.
void SetDifferences(const ConversionState& s, const Original& original, ConvertResult& r) {
    r.DoubleMinusSingle.clear();
    r.OriginalMinusDouble.clear();
    r.OriginalMinusSingle.clear();
    const bool singleFinite = !s.Single.Stored.Overflow, doubleFinite = !s.Double.Stored.Overflow;
    if (singleFinite && doubleFinite) DoubleMinusSingle(s, r.DoubleMinusSingle);
    if (doubleFinite) OriginalMinus(original, s.Double, r.OriginalMinusDouble);
    if (singleFinite && original.PatternIsDouble) r.OriginalMinusSingle = r.DoubleMinusSingle;
    else if (singleFinite) OriginalMinus(original, s.Single, r.OriginalMinusSingle);
}

void PutLittleEndian(char* out, std::uint64_t bits, int bytes) {
    for (int i = 0; i < bytes; ++i) out[i] = static_cast<char>(bits >> (8 * i));
}

void Refuse(ConvertResult& r) {
    r.Kind = Outcome::Refused;
    r.Message = InvalidNumberMessage;
}

}  // namespace

bool AcceptDecimalText(std::string_view text) {
    if (!CheckDecimalText(text)) return false;
    std::string typed(text);
    std::replace(typed.begin(), typed.end(), '.', ',');
    return FitsCanonicalLength(typed);
}

void ConvertText(ConversionState& state, std::string_view text, const ConvertSettings& settings,
                 ConvertResult& result) {
    if (!CheckDecimalText(text)) return Refuse(result);
    const std::optional<std::string> canonical = NormaliseTypedText(text);
    if (!canonical) return Refuse(result);
    ReadNumber number;
    if (IsInfinityText(*canonical)) {
        constexpr double Infinity = std::numeric_limits<double>::infinity();
        number = {(*canonical)[0] == '-' ? -Infinity : Infinity, "+0,0"};
    } else {
        number = ReadDecimalNumber(*canonical);
    }
    state.OriginalNumber = *canonical;
    StoreValues(state, number.Value, settings, result);
    result.Kind = Outcome::Converted;
    SetDisplays(state, settings.DecimalSeparator, result);
    SetDifferences(state, Original{number.Prefix}, result);
}

void ConvertPattern(ConversionState& state, PatternFormat format, Bits128 pattern,
                    const ConvertSettings& settings, ConvertResult& result) {
    const StoredValue decoded = DecodePattern(FormatOf(format), pattern);
    // The Single's value is a Double too; the Double is rounded to the Single as a typed one is.
    const double value = format == PatternFormat::Single
                             ? static_cast<double>(std::bit_cast<float>(static_cast<std::uint32_t>(pattern)))
                             : std::bit_cast<double>(static_cast<std::uint64_t>(pattern));
    StoreValues(state, value, settings, result);
    state.OriginalNumber = state.Part(format).Texts.Exact;  // the decoded format holds the very value
    result.Kind = Outcome::Converted;
    SetDisplays(state, settings.DecimalSeparator, result);
    SetDifferences(state, Original{{}, &decoded, format == PatternFormat::Double}, result);
}

const std::string& ExactView(const ExactTexts& texts, bool binary, bool scientific) {
    if (binary) return scientific ? texts.BinarySci : texts.Binary;
    return scientific ? texts.ExactSci : texts.Exact;
}

std::optional<std::string> WriteScratchFile(const std::filesystem::path& directory,
                                            float singleValue, double doubleValue) {
    const std::filesystem::path file = directory / ScratchFileName;
    std::array<char, 16> record{};
    PutLittleEndian(record.data(), std::bit_cast<std::uint32_t>(singleValue), 4);
    PutLittleEndian(record.data() + 8, std::bit_cast<std::uint64_t>(doubleValue), 8);
    // in|out keeps a longer file's bytes beyond offset 15; plain out creates a missing file.
    std::fstream out(file, std::ios::in | std::ios::out | std::ios::binary);
    if (!out.is_open()) out.open(file, std::ios::out | std::ios::binary);
    if (!out.is_open()) return "cannot open " + file.string() + " for writing";
    out.write(record.data(), static_cast<std::streamsize>(record.size()));
    out.close();
    if (out.fail()) return "cannot write " + file.string();
    return std::nullopt;
}

}  // namespace pexabit
