// Cutting a long exact text: read its digits and where its point is, decide whether the kept
// digits still reach the point, then write the plain or the scientific form.
#include "report/CutDigits.h"

#include <charconv>
#include <cstdlib>
#include <utility>

namespace pexabit {

namespace {

// A number's text taken apart: its sign, its digits without the point, how many of them stand
// before the point, and the exponent a scientific text carries.
struct DigitRun {
    bool Negative = false;
    std::string_view Mantissa;  // the text between the sign and any exponent, point included
    std::string Digits;
    std::size_t IntegerDigits = 0;
    long long Exponent = 0;
    bool Scientific = false;
};

bool IsDigitOf(char c, int base) { return c >= '0' && c < char('0' + base); }

// Reads "[-]d[.d][e[+-]N]" (the exponent only in base 10); false for any other text.
bool ReadDigitRun(std::string_view text, int base, DigitRun& run) {
    run.Negative = !text.empty() && text[0] == '-';
    if (run.Negative) text.remove_prefix(1);
    const std::size_t e = base == 10 ? text.find_first_of("eE") : std::string_view::npos;
    run.Mantissa = text.substr(0, e);
    if (e != std::string_view::npos) {
        std::string_view exponent = text.substr(e + 1);
        if (!exponent.empty() && exponent[0] == '+') exponent.remove_prefix(1);
        const auto [end, error] = std::from_chars(exponent.data(), exponent.data() + exponent.size(), run.Exponent);
        if (error != std::errc() || end != exponent.data() + exponent.size()) return false;
        run.Scientific = true;
    }
    bool point = false;
    for (char c : run.Mantissa) {
        if (c == '.' && !point) point = true;
        else if (IsDigitOf(c, base)) run.Digits += c;
        else return false;
        if (!point) run.IntegerDigits = run.Digits.size();
    }
    return !run.Digits.empty();
}

// The mantissa text up to and including its `count`-th digit.
std::string_view MantissaPrefix(std::string_view mantissa, std::size_t count) {
    std::size_t seen = 0, i = 0;
    while (i < mantissa.size() && seen < count) seen += mantissa[i++] != '.';
    return mantissa.substr(0, i);
}

// `text` with the note of the digits left out.
CutText Noted(std::string text, std::size_t leftOut) {
    const std::size_t noteAt = text.size();
    text += " (" + std::to_string(leftOut) + (leftOut == 1 ? " more digit)" : " more digits)");
    return {std::move(text), leftOut, noteAt};
}

}  // namespace

CutText CutDigits(std::string_view exact, std::size_t keep, int base) {
    DigitRun run;
    if (keep == 0 || !ReadDigitRun(exact, base, run)) return {std::string(exact), 0, exact.size()};
    const std::size_t first = run.Digits.find_first_not_of('0');
    if (first == std::string::npos || run.Digits.size() - first <= keep) return {std::string(exact), 0, exact.size()};
    const std::size_t leftOut = run.Digits.size() - first - keep;

    // Plain while at least one kept digit lies after the point and the zeros before the first
    // significant digit are no longer than the digits kept.
    const bool reachesPoint = first + keep > run.IntegerDigits;
    const bool fewZeros = first <= run.IntegerDigits || first - run.IntegerDigits <= keep;
    std::string text = run.Negative ? "-" : "";
    if (!run.Scientific && reachesPoint && fewZeros) {
        text.append(MantissaPrefix(run.Mantissa, first + keep)).append("...");
        return Noted(std::move(text), leftOut);
    }

    const long long exponent = run.Exponent + static_cast<long long>(run.IntegerDigits) - static_cast<long long>(first) - 1;
    text += run.Digits[first];
    if (keep > 1) text.append(".").append(run.Digits, first + 1, keep - 1);
    text.append("...").append(base == 10 ? "e" : "p").append(exponent < 0 ? "-" : "+");
    text += std::to_string(std::llabs(exponent));
    return Noted(std::move(text), leftOut);
}

}  // namespace pexabit
