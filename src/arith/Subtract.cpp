#include "arith/Subtract.h"

#include <algorithm>
#include <string_view>

#include "text/Characters.h"

namespace pexabit {

namespace {

// A missing sign becomes a leading "+", then a missing "," a trailing ",0".
void Normalise(std::string& x) {
    if (x.empty() || (x[0] != '+' && x[0] != '-')) x.insert(0, 1, '+');
    if (x.find(',') == std::string::npos) x += ",0";
}

// The unsigned texts of a and b padded with zeros so that their commas and their ends line up.
struct Aligned {
    std::string A, B;
};

Aligned Align(std::string_view ta, std::string_view tb) {
    const std::size_t ia = std::min(ta.find(','), ta.size());
    const std::size_t ib = std::min(tb.find(','), tb.size());
    const std::size_t integerWidth = std::max(ia, ib);
    Aligned r{std::string(integerWidth - ia, '0'), std::string(integerWidth - ib, '0')};
    r.A += ta;
    r.B += tb;
    const std::size_t length = std::max(r.A.size(), r.B.size());
    r.A.resize(length, '0');
    r.B.resize(length, '0');
    return r;
}

// Index of the first place where the digits differ, or the length when the magnitudes are equal.
std::size_t FirstDifference(const Aligned& x) {
    std::size_t i = 0;
    while (i < x.A.size() && DecimalDigitValue(x.A[i]) == DecimalDigitValue(x.B[i])) ++i;
    return i;
}

// minuend - subtrahend from the right with borrow; the "," stands where A has it.
std::string SubtractAligned(const std::string& a, const std::string& minuend, const std::string& subtrahend,
                            char sign) {
    std::string r(a.size() + 1, '0');
    r[0] = sign;
    int borrow = 0;
    for (std::size_t i = a.size(); i-- > 0;) {
        if (a[i] == ',') {
            r[i + 1] = ',';
            continue;
        }
        const int d = DecimalDigitValue(minuend[i]) - DecimalDigitValue(subtrahend[i]) - borrow;
        borrow = d < 0 ? 1 : 0;
        r[i + 1] = static_cast<char>('0' + d + 10 * borrow);
    }
    return r;
}

// Leading zeros go unless a lone "0" stands before the ","; trailing zeros go unless a lone
// "0" stands after it.
std::string MakeCanonical(const std::string& r) {
    std::size_t begin = 1;
    while (begin < r.size() && r[begin] == '0' && !(begin + 1 < r.size() && r[begin + 1] == ',')) ++begin;
    std::size_t end = r.size();
    while (end > begin && r[end - 1] == '0' && r[end - 2] != ',') --end;
    std::string c(1, r[0]);
    c.append(r, begin, end - begin);
    return c;
}

}  // namespace

std::string SubtractDecimal(std::string& a, std::string& b) {
    Normalise(a);
    Normalise(b);
    const Aligned x = Align(std::string_view(a).substr(1), std::string_view(b).substr(1));
    const std::size_t first = FirstDifference(x);
    if (first == x.A.size()) return "+0,0";
    const bool bLarger = DecimalDigitValue(x.A[first]) < DecimalDigitValue(x.B[first]);
    const std::string r = bLarger ? SubtractAligned(x.A, x.B, x.A, '-') : SubtractAligned(x.A, x.A, x.B, '+');
    return MakeCanonical(r);
}

}  // namespace pexabit
