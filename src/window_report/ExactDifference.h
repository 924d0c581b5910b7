#pragma once
// The exact difference of the magnitudes of two stored values, from their significands: the
// "Double-Single=" of a conversion and the differences of a decoded pattern.

#include <string>

#include "format/StoredValue.h"

namespace pexabit {

// |a| - |b| as a canonical DecimalString, written over `out`: "+" when |a| is the larger or the
// two are equal ("+0,0"), "-" when |b| is. Both finite, and once their significands are
// stripped of trailing zero bits, the two must span at most 127 binary places together (a value
// and its rounding into a narrower format always do; a zero fits with anything).
// The Double 0.1 and its Single give "-0,0000000014901161138336505018742172978818416595458984375".
void WriteMagnitudeDifference(const StoredValue& a, const StoredValue& b, std::string& out);

}  // namespace pexabit
