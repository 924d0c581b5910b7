#include "decimal/Scientific.h"

#include <algorithm>
#include <string_view>

namespace pexabit {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The characters of w from index i on; empty when i is past the end.
std::string_view From(std::string_view w, std::size_t i) { return i < w.size() ? w.substr(i) : std::string_view{}; }

// Below one ("+0,..."): a run of trailing zeros is cut to one zero, the first nonzero fraction
// digit becomes the mantissa's leading digit, and the exponent counts the places it moved.
// "+0,0012" gives "+1,2e-3"; "+0,5" gives "+5,e-1"; a zero such as "+0,000" gives "+0,0".
std::string BelowOne(std::string_view w) {
    while (w.size() >= 2 && w.ends_with("00")) w.remove_suffix(1);
    if (w.size() == 4 && w[3] == '0') return std::string(w);
    std::size_t first = 3;  // the first fraction digit
    while (first < w.size() && w[first] == '0') ++first;
    const std::size_t exponent = first - 2;
    std::string r;
    r.reserve(w.size() + 8);
    r += w[0];
    if (first < w.size()) r += w[first];
    r += ',';
    r += From(w, first + 1);
    r += "e-";
    r += std::to_string(exponent);
    return r;
}

// One or more: the comma moves behind the first digit and trailing zeros are cut down to ",0".
// "+123,450" gives "+1,2345e+2"; "+100,0" gives "+1,0e+2"; "+101" gives "+1,01e+2".
std::string OneOrMore(std::string_view w) {
    const std::size_t comma = std::min(w.find(',', 1), w.size());
    const std::size_t exponent = comma - 2;  // integer digits minus one
    std::string r;
    r.reserve(w.size() + 8);
    r += w.substr(0, 2);
    r += ',';
    r += w.substr(2, comma - 2);
    r += From(w, comma + 1);
    while (r.back() == '0' && !r.ends_with(",0")) r.pop_back();
    r += "e+";
    r += std::to_string(exponent);
    return r;
}

}  // namespace

std::string FormatScientific(std::string& s) {
    if (s.empty()) return s;
    const bool hasSign = s[0] == '+' || s[0] == '-';
    const char second = hasSign ? (s.size() > 1 ? s[1] : '\0') : s[0];
    if (!IsDigit(second)) return s;  // outside the domain: refused unchanged
    if (!hasSign) s.insert(0, 1, '+');
    return second == '0' ? BelowOne(s) : OneOrMore(s);
}

}  // namespace pexabit
