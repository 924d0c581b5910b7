#include "window_report/ExactDifference.h"

#include <algorithm>
#include <cassert>

#include "arith/ExactExpansion.h"

namespace pexabit {

namespace {

struct Scaled {
    Bits128 M;
    int Exponent;
};

// M * 2^e with M odd (or zero): the narrowest significand of the value.
Scaled StripTrailingZeroBits(const StoredValue& v) {
    Scaled s{v.Significand, v.Exponent};
    while (s.M != 0 && (s.M & 1) == 0) {
        s.M >>= 1;
        ++s.Exponent;
    }
    return s;
}

// m * 2^shift, which must stay below 2^128.
Bits128 MultiplyByPowerOfTwo(Bits128 m, int shift) {
    assert(m == 0 || BitWidth128(m) + shift <= 127);
    return m << shift;
}

}  // namespace

void WriteMagnitudeDifference(const StoredValue& a, const StoredValue& b, std::string& out) {
    Scaled x = StripTrailingZeroBits(a), y = StripTrailingZeroBits(b);
    if (x.M == 0) x.Exponent = y.Exponent;  // a zero takes the other's scale
    if (y.M == 0) y.Exponent = x.Exponent;
    const int low = std::min(x.Exponent, y.Exponent);
    const Bits128 ma = MultiplyByPowerOfTwo(x.M, x.Exponent - low);
    const Bits128 mb = MultiplyByPowerOfTwo(y.M, y.Exponent - low);
    if (mb > ma) WriteDecimalString('-', mb - ma, low, out);
    else WriteDecimalString('+', ma - mb, low, out);
}

}  // namespace pexabit
