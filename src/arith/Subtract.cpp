#include "arith/Subtract.h"

#include <algorithm>

#include "text/Characters.h"

namespace pexabit {

namespace {

// A missing sign becomes a leading "+", then a missing "," a trailing ",0".
void Normalise(std::string& x) {
    if (x.empty() || (x[0] != '+' && x[0] != '-')) x.insert(0, 1, '+');
    if (x.find(',') == std::string::npos) x += ",0";
}

// The places of both operands lined up: IntegerWidth integer places (the shorter integer part
// padded with zeros on the left), then FractionWidth fraction places (padded on the right), at
// least one of each.
struct Places {
    std::size_t IntegerWidth, FractionWidth;

    Places(DecimalParts a, DecimalParts b)
        : IntegerWidth(std::max({a.Integer.size(), b.Integer.size(), std::size_t{1}})),
          FractionWidth(std::max({a.Fraction.size(), b.Fraction.size(), std::size_t{1}})) {}
    std::size_t Count() const { return IntegerWidth + FractionWidth; }
    // The digit of x at `place`, counted from the leftmost integer place.
    int Digit(DecimalParts x, std::size_t place) const {
        if (place < IntegerWidth) {
            const std::size_t pad = IntegerWidth - x.Integer.size();
            return place < pad ? 0 : DecimalDigitValue(x.Integer[place - pad]);
        }
        const std::size_t i = place - IntegerWidth;
        return i < x.Fraction.size() ? DecimalDigitValue(x.Fraction[i]) : 0;
    }
    // Where the digit of `place` goes in "sign I , F".
    std::size_t TextIndex(std::size_t place) const { return place < IntegerWidth ? 1 + place : 2 + place; }
};

// minuend - subtrahend (the larger first) from the right with borrow, as "sign I,F" with every place.
std::string SubtractPlaces(const Places& p, DecimalParts minuend, DecimalParts subtrahend, char sign) {
    std::string r(2 + p.Count(), '0');
    r[0] = sign;
    r[1 + p.IntegerWidth] = ',';
    int borrow = 0;
    for (std::size_t place = p.Count(); place-- > 0;) {
        const int d = p.Digit(minuend, place) - p.Digit(subtrahend, place) - borrow;
        borrow = d < 0 ? 1 : 0;
        r[p.TextIndex(place)] = static_cast<char>('0' + d + 10 * borrow);
    }
    return r;
}

// Leading zeros go unless a lone "0" stands before the ","; trailing zeros go unless a lone
// "0" stands after it. In place.
void MakeCanonical(std::string& r) {
    std::size_t end = r.size();
    while (r[end - 1] == '0' && r[end - 2] != ',') --end;
    r.resize(end);
    std::size_t zeros = 0;
    while (r[1 + zeros] == '0' && r[2 + zeros] != ',') ++zeros;
    r.erase(1, zeros);
}

// "I,F" after the sign as its two parts.
DecimalParts Split(std::string_view decimal) {
    const std::size_t comma = decimal.find(',');
    return {decimal.substr(1, comma - 1), decimal.substr(comma + 1)};
}

}  // namespace

std::string SubtractMagnitudes(DecimalParts a, DecimalParts b) {
    const Places p(a, b);
    std::size_t first = 0;
    while (first < p.Count() && p.Digit(a, first) == p.Digit(b, first)) ++first;
    if (first == p.Count()) return "+0,0";
    const bool bLarger = p.Digit(a, first) < p.Digit(b, first);
    std::string r = bLarger ? SubtractPlaces(p, b, a, '-') : SubtractPlaces(p, a, b, '+');
    MakeCanonical(r);
    return r;
}

std::string SubtractDecimal(std::string& a, std::string& b) {
    Normalise(a);
    Normalise(b);
    return SubtractMagnitudes(Split(a), Split(b));
}

}  // namespace pexabit
