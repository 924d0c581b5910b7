#include "cli/StrictInput.h"

#include <cstdio>

#include "text/Characters.h"

namespace pexabit {
namespace {

bool IsSign(char c) { return c == '+' || c == '-'; }
bool IsSeparator(char c) { return c == '.' || c == ','; }
bool IsExponentMark(char c) { return c == 'e' || c == 'E'; }

// The scan of the trimmed text; `At` is a byte offset into it.
struct Scan {
    std::string_view Text;
    std::size_t At = 0;

    bool Done() const { return At == Text.size(); }
    char Peek() const { return Done() ? '\0' : Text[At]; }
    bool Take(bool (*is)(char)) {
        if (Done() || !is(Text[At])) return false;
        ++At;
        return true;
    }
    std::size_t Digits() {
        const std::size_t from = At;
        while (Take(IsDigit)) {}
        return At - from;
    }
};

// The code point of the UTF-8 sequence at `at`, or -1 where the bytes are not UTF-8.
long CodePoint(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = Utf8LeadLength(lead);
    if (length == 0 || at + length > text.size()) return -1;
    long code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) return -1;
        code = code << 6 | (next & 0x3F);
    }
    return code;
}

// The character at `at` as the message shows it: itself in quotes when it is printable ASCII or
// the infinity sign, else its code point ("U+00A0"), or the byte that is not UTF-8 ("byte FF").
std::string Shown(std::string_view text, std::size_t at) {
    if (text.substr(at, InfinitySign.size()) == InfinitySign) return std::string("'").append(InfinitySign).append("'");
    if (text[at] >= 0x20 && text[at] < 0x7F) return std::string("'") + text[at] + "'";
    const long code = CodePoint(text, at);
    char shown[24];  // room for any long in "U+%04lX", though code points stop at U+10FFFF
    if (code < 0) std::snprintf(shown, sizeof shown, "byte %02X", static_cast<unsigned char>(text[at]));
    else std::snprintf(shown, sizeof shown, "U+%04lX", code);
    return shown;
}

// Why the character at `at` cannot stand there; `inExponent` once "e" and its digits are read.
std::string_view Reason(char c, bool hasDigits, bool inExponent) {
    if (IsSign(c)) return "a sign stands only at the start of the number or of its exponent";
    if (IsSeparator(c)) return inExponent ? "the exponent is a whole number" : "a second decimal separator";
    if (IsExponentMark(c)) return hasDigits ? "a second exponent" : "no digits before the exponent";
    if (IsBlank(c)) return "a blank inside the number";
    if (c == InfinitySign[0]) return "the infinity sign stands alone, with at most a sign";
    return hasDigits ? "not part of a decimal number" : "a digit or a decimal separator was expected";
}

// The message for a refusal at byte `At` of the trimmed text, which starts `lead` blanks into
// the input. Positions count from 1 as the user sees them; every character before the one at
// fault is ASCII (the scan stops at the first other one), so bytes count characters.
std::string Refusal(const Scan& s, std::size_t lead, std::string_view reason) {
    std::string out = "Not a plain decimal number (";
    if (s.Done()) out += "at its end";
    else out += "character " + std::to_string(lead + s.At + 1) + ", " + Shown(s.Text, s.At);
    return out.append("): ").append(reason);
}

// Where the scan stops short of the end, the error it meets there; empty for a whole number.
std::string_view Check(Scan& s) {
    s.Take(IsSign);
    if (s.Text.substr(s.At) == InfinitySign) return {};
    const std::size_t digits = s.Digits();
    const bool separator = s.Take(IsSeparator);
    if (digits + (separator ? s.Digits() : 0) == 0) {
        return s.Done() ? "no digits" : Reason(s.Peek(), false, false);
    }
    bool inExponent = false;
    if (s.Take(IsExponentMark)) {
        s.Take(IsSign);
        if (s.Digits() == 0) return s.Done() ? "the exponent has no digits" : Reason(s.Peek(), true, true);
        inExponent = true;
    }
    if (s.Done()) return {};
    return Reason(s.Peek(), true, inExponent);
}

}  // namespace

StrictDecimal CheckStrictDecimal(std::string_view input) {
    std::size_t first = 0;
    std::size_t last = input.size();
    while (first < last && IsBlank(input[first])) ++first;
    while (last > first && IsBlank(input[last - 1])) --last;
    StrictDecimal result{input.substr(first, last - first), {}};
    if (result.Text.empty()) {
        result.Error = "Not a plain decimal number: the input is empty";
        return result;
    }
    Scan scan{result.Text};
    const std::string_view reason = Check(scan);
    if (!reason.empty()) result.Error = Refusal(scan, first, reason);
    return result;
}

}  // namespace pexabit
