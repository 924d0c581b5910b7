#include "window_report/Scientific.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "text/Characters.h"

namespace pexabit {

namespace {

// Eight "0" characters as one word: the exact values hold runs of hundreds of zeros (2^-1000
// in base 2 starts with a thousand), so the runs are measured eight characters at a time.
constexpr std::uint64_t EightZeros = 0x3030303030303030ULL;

bool EightZerosAt(const char* p) {
    std::uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    return word == EightZeros;
}

// The index of the first character from i on that is not "0"; w.size() when there is none.
std::size_t FirstNotZero(std::string_view w, std::size_t i) {
    while (i + 8 <= w.size() && EightZerosAt(w.data() + i)) i += 8;
    while (i < w.size() && w[i] == '0') ++i;
    return i;
}

// The length of w without its trailing run of "0" characters.
std::size_t EndOfNonzero(std::string_view w) {
    std::size_t end = w.size();
    while (end >= 8 && EightZerosAt(w.data() + end - 8)) end -= 8;
    while (end > 0 && w[end - 1] == '0') --end;
    return end;
}

// Room for "e", the exponent's sign and its digits.
constexpr std::size_t ExponentRoom = 22;

// Appends "e-" or "e+" and the exponent's digits.
void AppendExponent(std::string& r, char sign, std::size_t exponent) {
    char digits[20];
    char* p = digits + sizeof digits;
    do {
        *--p = static_cast<char>('0' + exponent % 10);
        exponent /= 10;
    } while (exponent != 0);
    r += 'e';
    r += sign;
    r.append(p, static_cast<std::size_t>(digits + sizeof digits - p));
}

// Below one ("+0,..."): a run of trailing zeros is cut to one zero, the first nonzero fraction
// digit becomes the mantissa's leading digit, and the exponent counts the places it moved.
// "+0,0012" gives "+1,2e-3"; "+0,5" gives "+5,e-1"; a zero such as "+0,000" gives "+0,0".
void BelowOne(std::string_view w, std::string& r) {
    const std::size_t end = EndOfNonzero(w);
    w = w.substr(0, end + 1);  // one zero of the run stays
    if (w.size() == 4 && w[3] == '0') {
        r.assign(w);
        return;
    }
    const std::size_t first = w.size() > 3 ? FirstNotZero(w, 3) : 3;  // first fraction digit
    const std::size_t rest = first + 1 < w.size() ? w.size() - first - 1 : 0;
    r.clear();
    r.reserve(3 + rest + ExponentRoom);  // sign, digit, ",", the rest, the exponent
    r += w[0];
    if (first < w.size()) r += w[first];
    r += ',';
    r.append(w.data() + w.size() - rest, rest);
    AppendExponent(r, '-', first - 2);
}

// One or more: the comma moves behind the first digit and trailing zeros are cut down to ",0".
// "+123,450" gives "+1,2345e+2"; "+100,0" gives "+1,0e+2"; "+101" gives "+1,01e+2".
void OneOrMore(std::string_view w, std::string& r) {
    const std::size_t comma = std::min(w.find(',', 1), w.size());
    r.clear();
    r.reserve(w.size() + 1 + ExponentRoom);  // one "," more, the exponent
    r.append(w.data(), 2);
    r += ',';
    r.append(w.data() + 2, comma - 2);
    if (comma + 1 < w.size()) r.append(w.data() + comma + 1, w.size() - comma - 1);
    // The trailing zeros go, one zero staying right after a comma. r[1] is a nonzero digit and
    // r[2] a comma, so the run ends at the latest just behind that comma.
    const std::size_t end = EndOfNonzero(r);
    if (end < r.size()) r.resize(r[end - 1] == ',' ? end + 1 : end);
    AppendExponent(r, '+', comma - 2);  // integer digits minus one
}

}  // namespace

void FormatScientific(std::string& s, std::string& out) {
    const bool hasSign = !s.empty() && (s[0] == '+' || s[0] == '-');
    const char second = s[hasSign ? 1 : 0];  // past the end of "" or "+": the string's '\0'
    if (!IsDigit(second)) {  // outside the domain: refused unchanged
        out.assign(s);
        return;
    }
    if (!hasSign) s.insert(0, 1, '+');
    if (second == '0') BelowOne(s, out);
    else OneOrMore(s, out);
}

}  // namespace pexabit
