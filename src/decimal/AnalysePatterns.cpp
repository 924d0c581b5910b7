#include "decimal/AnalysePatterns.h"

#include "decimal/ExactValues.h"
#include "decimal/PatternFields.h"

namespace pexabit {

void AnalysePatterns(ConversionState& state) {
    AnalysePatternFields(state);

    // The Single is finished before the Double is begun.
    ExactTexts single =
        MakeExactTexts(SingleFormat, state.SingleSign, state.SingleExponent, state.SingleMantissaBits);
    state.SingleBinary = std::move(single.Binary);
    state.SingleBinarySci = std::move(single.BinarySci);
    state.SingleExact = std::move(single.Exact);
    state.SingleExactSci = std::move(single.ExactSci);

    ExactTexts dbl =
        MakeExactTexts(DoubleFormat, state.DoubleSign, state.DoubleExponent, state.DoubleMantissaBits);
    state.DoubleBinary = std::move(dbl.Binary);
    state.DoubleBinarySci = std::move(dbl.BinarySci);
    state.DoubleExact = std::move(dbl.Exact);
    state.DoubleExactSci = std::move(dbl.ExactSci);
}

}  // namespace pexabit
