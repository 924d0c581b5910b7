#include "encode/Encoding.h"

#include <bit>
#include <cmath>
#include <fstream>
#include <limits>

#include "decimal/ExactValues.h"
#include "decimal/Formats.h"
#include "decimal/PatternFields.h"
#include "encode/DecimalInput.h"
#include "encode/NumberConversion.h"

namespace pexabit {
namespace {

constexpr char ScratchFileName[] = "ss.dat";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// An Exact text that holds a number (not empty, not a name such as "+Infinity" or "NANs").
bool HoldsNumber(const std::string& exact) {
    return exact.size() >= 2 && (exact[0] == '+' || exact[0] == '-') && IsDigit(exact[1]);
}

template <std::size_t N>
std::array<std::uint8_t, N> LittleEndianBytes(std::uint64_t bits) {
    std::array<std::uint8_t, N> bytes{};
    for (std::size_t i = 0; i < N; ++i) bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    return bytes;
}

template <std::size_t N>
std::uint64_t FromLittleEndian(const std::array<std::uint8_t, N>& bytes) {
    std::uint64_t bits = 0;
    for (std::size_t i = N; i-- > 0;) bits = (bits << 8) | bytes[i];
    return bits;
}

// Which stored format's exact value the text is, as the hex buttons hand such texts over.
enum class ExactValueOf { None, Double, Single };

ExactValueOf WhoseExactValue(const ConversionState& state, std::string_view text) {
    if (text == state.DoubleExact && HoldsNumber(state.DoubleExact)) return ExactValueOf::Double;
    if (text == state.SingleExact && HoldsNumber(state.SingleExact)) return ExactValueOf::Single;
    return ExactValueOf::None;
}

// The number behind the text. The exact value of the stored Double or Single is converted
// without reading it again: it is exactly representable, so the correctly rounded conversion
// gives back that very value (the hex buttons hand such texts over).
ReadNumber ReadTypedNumber(const ConversionState& state, ExactValueOf own, std::string_view canonical) {
    if (own == ExactValueOf::Double) {
        return {std::bit_cast<double>(FromLittleEndian(state.DoubleBytes)), std::string(canonical)};
    }
    if (own == ExactValueOf::Single) {
        const auto single = std::bit_cast<float>(static_cast<std::uint32_t>(FromLittleEndian(state.SingleBytes)));
        return {static_cast<double>(single), std::string(canonical)};
    }
    return ReadDecimalNumber(canonical);
}

void SetOverflowTexts(std::string& binary, std::string& binarySci, std::string& exact,
                      std::string& exactSci, bool negative) {
    const char* name = negative ? "-Infinity" : "+Infinity";
    binary = binarySci = exact = exactSci = name;
}

// AnalysePatterns, analysing only the formats whose fields and texts cannot be kept: an
// overflowing format gets its names, a format with unchanged bytes and numeric texts keeps them.
void AnalyseChangedFormats(ConversionState& s, bool keepSingle, bool keepDouble, bool negative) {
    // Fields and texts are made together, so a format whose texts are kept keeps its fields too.
    if (!keepSingle || s.SingleOverflow) {
        SetSingleHex(s);
        SetSingleFields(s);
    }
    if (!keepDouble || s.DoubleOverflow) {
        SetDoubleHex(s);
        SetDoubleFields(s);
    }
    if (s.SingleOverflow) {
        SetOverflowTexts(s.SingleBinary, s.SingleBinarySci, s.SingleExact, s.SingleExactSci, negative);
    } else if (!keepSingle) {
        AssignExactTexts(SingleFormat, s.SingleSign, s.SingleExponent, s.SingleMantissaBits,
                         s.SingleBinary, s.SingleBinarySci, s.SingleExact, s.SingleExactSci);
    }
    if (s.DoubleOverflow) {
        SetOverflowTexts(s.DoubleBinary, s.DoubleBinarySci, s.DoubleExact, s.DoubleExactSci, negative);
    } else if (!keepDouble) {
        AssignExactTexts(DoubleFormat, s.DoubleSign, s.DoubleExponent, s.DoubleMantissaBits,
                         s.DoubleBinary, s.DoubleBinarySci, s.DoubleExact, s.DoubleExactSci);
    }
}

// The canonical form of a typed text: normalised after "." became ",".
std::optional<std::string> NormaliseTypedText(std::string_view text) {
    std::string typed(text);
    for (char& c : typed) {
        if (c == '.') c = ',';
    }
    return NormaliseDecimal(typed);
}

}  // namespace

bool IsExactValueOf(const ConversionState& state, std::string_view text) {
    return WhoseExactValue(state, text) != ExactValueOf::None;
}

std::array<std::uint8_t, 4> SingleBytesOf(float value) {
    return LittleEndianBytes<4>(std::bit_cast<std::uint32_t>(value));
}

std::array<std::uint8_t, 8> DoubleBytesOf(double value) {
    return LittleEndianBytes<8>(std::bit_cast<std::uint64_t>(value));
}

std::optional<std::string> WriteScratchFile(const std::filesystem::path& directory,
                                            float singleValue, double doubleValue) {
    const std::filesystem::path file = directory / ScratchFileName;
    std::array<char, 16> record{};
    const auto single = SingleBytesOf(singleValue);
    const auto dbl = DoubleBytesOf(doubleValue);
    for (std::size_t i = 0; i < 4; ++i) record[i] = static_cast<char>(single[i]);
    for (std::size_t i = 0; i < 8; ++i) record[8 + i] = static_cast<char>(dbl[i]);
    // in|out keeps a longer file's bytes beyond offset 15; plain out creates a missing file.
    std::fstream out(file, std::ios::in | std::ios::out | std::ios::binary);
    if (!out.is_open()) out.open(file, std::ios::out | std::ios::binary);
    if (!out.is_open()) return "cannot open " + file.string() + " for writing";
    out.write(record.data(), static_cast<std::streamsize>(record.size()));
    out.close();
    if (out.fail()) return "cannot write " + file.string();
    return std::nullopt;
}

EncodeResult EncodeNumber(ConversionState& state, std::string_view text,
                          const std::filesystem::path* scratchDirectory) {
    // An exact value of the stored Double or Single is canonical already (sign, digits, one
    // comma, no exponent); any other text is normalised.
    const ExactValueOf own = WhoseExactValue(state, text);
    std::optional<std::string> normalised;
    if (own == ExactValueOf::None) {
        normalised = NormaliseTypedText(text);
        if (!normalised) return {};
    }
    const std::string_view canonical = normalised ? std::string_view(*normalised) : text;

    EncodeResult result;
    result.Accepted = true;
    const bool negative = canonical[0] == '-';
    double value = 0.0;
    if (IsInfinityText(canonical)) {
        value = negative ? -std::numeric_limits<double>::infinity()
                         : std::numeric_limits<double>::infinity();
        result.NumericPrefix = "+0,0";
    } else {
        ReadNumber number = ReadTypedNumber(state, own, canonical);
        value = number.Value;
        result.NumericPrefix = std::move(number.Prefix);
    }
    state.OriginalNumber.assign(canonical);  // its storage kept for the next conversion
    state.DoubleValue = value;
    state.DoubleOverflow = std::isinf(value) ? 1 : 0;
    state.SingleValue = RoundToSingle(value);
    state.SingleOverflow = std::isinf(state.SingleValue) ? 1 : 0;

    const auto singleBytes = SingleBytesOf(state.SingleValue);
    const auto doubleBytes = DoubleBytesOf(state.DoubleValue);
    const bool keepSingle = singleBytes == state.SingleBytes && HoldsNumber(state.SingleExact);
    const bool keepDouble = doubleBytes == state.DoubleBytes && HoldsNumber(state.DoubleExact);
    state.SingleBytes = singleBytes;
    state.DoubleBytes = doubleBytes;
    if (scratchDirectory != nullptr) {
        result.ScratchError = WriteScratchFile(*scratchDirectory, state.SingleValue, state.DoubleValue);
    }
    AnalyseChangedFormats(state, keepSingle, keepDouble, negative);
    return result;
}

}  // namespace pexabit
