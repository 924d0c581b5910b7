#include "window_report/DecimalInput.h"

#include <algorithm>
#include <array>

#include "text/Characters.h"

namespace pexabit {
namespace {

// While normalising, the three-byte infinity sign stands as this one byte, so that positions and
// lengths count characters. A checked text never holds the byte itself.
constexpr char InfinityPlaceholder = '\x7F';

// Exponents of the exponent text saturate here (2^40): far beyond any accepted length, and
// still far from overflowing 64-bit arithmetic on lengths.
constexpr std::int64_t InnerExponentLimit = std::int64_t{1} << 40;
// Integer exponents saturate at 10^18: 18 digits fit into int64 with room for rounding up.
constexpr std::int64_t ExponentLimit = 1000000000000000000;
constexpr std::int64_t ExponentLimitDigits = 18;

// The accepted characters below 128, as a table: the check runs over texts of any length.
constexpr std::array<bool, 256> AcceptedAsciiTable() {
    std::array<bool, 256> table{};
    for (char c : std::string_view("0123456789+-,.eE")) table[static_cast<unsigned char>(c)] = true;
    return table;
}
constexpr std::array<bool, 256> AcceptedAscii = AcceptedAsciiTable();

bool IsAcceptedAscii(char c) { return AcceptedAscii[static_cast<unsigned char>(c)]; }

// The first "e" or "E": std::string::find_first_of would search the set once per character.
std::size_t FindExponentMark(std::string_view t) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == 'e' || t[i] == 'E') return i;
    }
    return std::string_view::npos;
}

std::string ContractInfinity(std::string_view text) {
    // Long texts of digits are the common case: copied whole when no sign is in them.
    if (text.find(InfinitySign[0]) == std::string_view::npos) return std::string(text);
    std::string out;
    out.reserve(text.size() + 1);
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == InfinitySign[0] && text.compare(i, InfinitySign.size(), InfinitySign) == 0) {
            out += InfinityPlaceholder;
            i += InfinitySign.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::string ExpandInfinity(std::string text) {
    if (text.find(InfinityPlaceholder) == std::string::npos) return text;
    std::string out;
    out.reserve(text.size() + 8);
    for (char c : text) {
        if (c == InfinityPlaceholder) out += InfinitySign;
        else out += c;
    }
    return out;
}

// The exponent of the exponent text: "e", an optional sign and at least one digit; else 0.
std::int64_t ReadInnerExponent(std::string_view s) {
    if (s.empty() || (s[0] != 'e' && s[0] != 'E')) return 0;
    std::size_t p = 1;
    bool negative = false;
    if (p < s.size() && (s[p] == '+' || s[p] == '-')) negative = s[p++] == '-';
    if (p >= s.size() || !IsDigit(s[p])) return 0;
    std::int64_t value = 0;
    for (; p < s.size() && IsDigit(s[p]); ++p) {
        value = std::min(value * 10 + (s[p] - '0'), InnerExponentLimit);
    }
    return negative ? -value : value;
}

// digits x 10^scale rounded to an integer, ties to even, saturating at ExponentLimit.
std::int64_t RoundScaledDigits(std::string_view digits, std::int64_t scale) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) return 0;
    digits.remove_prefix(first);
    const std::int64_t n = static_cast<std::int64_t>(digits.size());
    const std::int64_t integerDigits = n + scale;
    if (integerDigits > ExponentLimitDigits) return ExponentLimit;
    if (integerDigits < 0) return 0;  // below 0,1: rounds to 0
    std::int64_t value = 0;
    for (std::int64_t i = 0; i < integerDigits; ++i) {
        value = value * 10 + (i < n ? digits[static_cast<std::size_t>(i)] - '0' : 0);
    }
    if (integerDigits >= n) return value;
    const int firstDropped = digits[static_cast<std::size_t>(integerDigits)] - '0';
    const bool restNonzero =
        digits.find_first_not_of('0', static_cast<std::size_t>(integerDigits) + 1) !=
        std::string_view::npos;
    if (firstDropped > 5 || (firstDropped == 5 && (restNonzero || value % 2 == 1))) ++value;
    return value;
}

// The integer part I (sign included) shifted right by `places` decimal places: the comma moves
// left into it, zeros filling in front when I has too few digits.
void AppendShiftedRight(std::string& out, std::string_view integer, std::int64_t places) {
    const auto digitCount = static_cast<std::int64_t>(integer.size()) - 1;
    if (digitCount <= places) {
        out += integer[0];
        out += "0,";
        out.append(static_cast<std::size_t>(places - digitCount), '0');
        out += integer.substr(1);
    } else {
        const auto cut = static_cast<std::size_t>(digitCount + 1 - places);
        out += integer.substr(0, cut);
        out += ',';
        out += integer.substr(cut);
    }
}

// Length of the result of the exponent table, computed before anything is built.
std::int64_t CanonicalLength(std::int64_t lenI, std::int64_t lenF, bool comma, std::int64_t e) {
    if (e == 0) return lenI + lenF + (comma ? 1 : 0);
    if (e > 0) return lenF > e ? lenI + lenF + 1 : lenI + e;
    const std::int64_t places = -e;
    return (lenI - 1 <= places) ? places + 3 + lenF : lenI + 1 + lenF;
}

std::string ApplyExponent(std::string_view integer, std::string_view fraction, std::int64_t e) {
    std::string out;
    const auto lenF = static_cast<std::int64_t>(fraction.size());
    if (e > 0) {
        out += integer;
        if (lenF > e) {
            out += fraction.substr(0, static_cast<std::size_t>(e));
            out += ',';
            out += fraction.substr(static_cast<std::size_t>(e));
        } else {
            out += fraction;
            out.append(static_cast<std::size_t>(e - lenF), '0');
        }
    } else {
        AppendShiftedRight(out, integer, -e);
        out += fraction;
    }
    return out;
}

}  // namespace

bool CheckDecimalText(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        if (IsAcceptedAscii(text[i])) {
            ++i;
        } else if (text.compare(i, InfinitySign.size(), InfinitySign) == 0) {
            i += InfinitySign.size();
        } else {
            return false;
        }
    }
    return true;
}

namespace {

// The exponent text after the first "e"/"E", read as a number: optional sign, digits, and an
// exponent of its own ("2e3" reads 2000); reading stops at the first other character (a
// comma); no digits read 0. Rounded to the nearest integer, ties to even ("25e-1" reads 2).
// Magnitudes beyond 10^18 saturate there, which no length bound can accept anyway.
std::int64_t ReadExponentText(std::string_view text) {
    std::size_t p = 0;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
    const std::size_t begin = p;
    while (p < text.size() && IsDigit(text[p])) ++p;
    const std::int64_t value =
        RoundScaledDigits(text.substr(begin, p - begin), ReadInnerExponent(text.substr(p)));
    return negative ? -value : value;
}

// The typed text cut into the pieces the exponent table works on, with the length of the
// canonical text it gives, known before anything is built.
struct NormalisingParts {
    std::string Text;  // sign first, blanks trimmed, exponent cut off, infinity contracted
    std::int64_t Exponent = 0;
    std::size_t Comma = std::string::npos;  // the last ","
    std::int64_t Length = 0;                // of the canonical text, in characters

    std::string_view Integer() const {
        return std::string_view(Text).substr(0, Comma == std::string::npos ? Text.size() : Comma);
    }
    std::string_view Fraction() const {
        return Comma == std::string::npos ? std::string_view() : std::string_view(Text).substr(Comma + 1);
    }
};

NormalisingParts SplitForNormalising(std::string_view text) {
    NormalisingParts parts;
    std::string& t = parts.Text;
    t = ContractInfinity(text);
    if (t.empty() || (t[0] != '+' && t[0] != '-')) t.insert(t.begin(), '+');
    const std::size_t last = t.find_last_not_of(' ');
    t.resize(last == std::string::npos ? 0 : last + 1);
    t.erase(0, std::min(t.find_first_not_of(' '), t.size()));

    if (const std::size_t i = FindExponentMark(t); i != std::string::npos) {
        parts.Exponent = ReadExponentText(std::string_view(t).substr(i + 1));
        t.resize(i);
    }
    parts.Comma = t.rfind(',');
    parts.Length = CanonicalLength(static_cast<std::int64_t>(parts.Integer().size()),
                                   static_cast<std::int64_t>(parts.Fraction().size()),
                                   parts.Comma != std::string::npos, parts.Exponent);
    return parts;
}

}  // namespace

bool FitsCanonicalLength(std::string_view text) { return CanonicalTextLength(text) <= MaxCanonicalLength; }

std::int64_t CanonicalTextLength(std::string_view text) { return SplitForNormalising(text).Length; }

std::optional<std::string> NormaliseDecimal(std::string_view text) {
    NormalisingParts parts = SplitForNormalising(text);
    if (parts.Length > MaxCanonicalLength) return std::nullopt;
    if (parts.Exponent == 0) return ExpandInfinity(std::move(parts.Text));
    const std::string_view integer = parts.Integer();
    return ExpandInfinity(ApplyExponent(integer.empty() ? std::string_view("+") : integer,
                                        parts.Fraction(), parts.Exponent));
}

}  // namespace pexabit
