#pragma once
// Everything that follows from the stored bytes of both formats.

#include "state/ConversionState.h"

namespace pexabit {

// Reads SingleBytes and DoubleBytes; writes the pattern fields (AnalysePatternFields), then the
// four exact-value texts of the Single, then those of the Double (MakeExactTexts). Every byte
// pattern yields a result; the all-ones exponent is expanded like a normal number, and callers
// show infinities and NaNs themselves.
void AnalysePatterns(ConversionState& state);

}  // namespace pexabit
