#pragma once
// The stored value written out in full, as plain texts: every digit, "-" only when negative,
// "." only when there is a fraction, never an exponent. These are the report's exact values.

#include <string>
#include <string_view>

#include "arith/Subtract.h"
#include "format/StoredValue.h"

namespace pexabit {

// The value in base 10 over `out`: double 0.1 gives
// "0.1000000000000000055511151231257827021181583404541015625"; "1", "-0", "inf", "-inf", and
// "nan" for every NaN and for the extended patterns the x87 reads as its NaN (see
// HasFiniteValue). Written at its final size, straight from the expansion's limbs.
void WritePlainDecimal(const StoredValue& value, std::string& out);

// The same in base 2 over `out`: double 0.1 gives "0.0001100110011...1101" (55 fraction bits
// after the point, the last a 1), 1.0 gives "1", 3.0 gives "11"; "-0", "inf", "nan" as above.
void WritePlainBinary(const StoredValue& value, std::string& out);

// 2^exponent in plain decimal over `out`: -2 gives "0.25", 3 gives "8". The report's ulp.
void WritePowerOfTwo(int exponent, std::string& out);

// The digits of a finite plain decimal text on either side of its point, viewed in it (the
// sign left out): "-0.25" gives "0" and "25", "12" gives "12" and "". What the error is
// measured from, so that it is the exact text itself that the error is the distance to.
DecimalParts PlainParts(std::string_view plain);

}  // namespace pexabit
