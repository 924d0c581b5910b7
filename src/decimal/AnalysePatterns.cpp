#include "decimal/AnalysePatterns.h"

#include "decimal/ExactValues.h"
#include "decimal/PatternFields.h"

namespace pexabit {

void AnalysePatterns(ConversionState& state) {
    AnalysePatternFields(state);

    // The Single is finished before the Double is begun.
    AssignExactTexts(SingleFormat, state.SingleSign, state.SingleExponent, state.SingleMantissaBits,
                     state.SingleBinary, state.SingleBinarySci, state.SingleExact, state.SingleExactSci);
    AssignExactTexts(DoubleFormat, state.DoubleSign, state.DoubleExponent, state.DoubleMantissaBits,
                     state.DoubleBinary, state.DoubleBinarySci, state.DoubleExact, state.DoubleExactSci);
}

}  // namespace pexabit
