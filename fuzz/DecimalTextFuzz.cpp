// The decimal text through the whole convert operation: check, normalise, encode, analyse,
// report. Properties: a refused text changes nothing (on a fresh state and on one that holds a
// previous report); an accepted one gives exact values that are the true values of the stored
// patterns, and each finite pattern comes back when its exact value is converted in turn.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "../tests/support/GmpReference.h"
#include "FuzzSupport.h"
#include "encode/ConvertReport.h"
#include "encode/DecimalInput.h"

namespace {

using namespace pexabit;
using fuzz::Require;

ConversionState Convert(std::string_view text) {
    ConversionState state;
    ConvertDecimal(state, text, ViewChoice{}, ".", nullptr);
    return state;
}

// A state that holds the report of an earlier conversion, as the window's state does.
const ConversionState& PreviousState() {
    static const ConversionState previous = Convert("-123.456e-3");
    return previous;
}

// The exact value of a finite format agrees with GMP's value of its value in memory, and
// converting that exact value gives the same pattern again.
void CheckFiniteFormats(const ConversionState& s) {
    if (!s.DoubleOverflow) {
        const mpq_class value(s.DoubleValue);  // a double converts to a rational exactly
        Require(s.DoubleExact == testing::ToDecimalString(value, s.DoubleBytes[7] >= 0x80 ? '-' : '+'),
                "DoubleExact is the value of the Double", s.DoubleExact);
        Require(Convert(s.DoubleExact).DoubleHex == s.DoubleHex,
                "the Double's exact value converts back to its pattern", s.DoubleHex);
    }
    if (!s.SingleOverflow) {
        const mpq_class value(static_cast<double>(s.SingleValue));
        Require(s.SingleExact == testing::ToDecimalString(value, s.SingleBytes[3] >= 0x80 ? '-' : '+'),
                "SingleExact is the value of the Single", s.SingleExact);
        Require(Convert(s.SingleExact).SingleHex == s.SingleHex,
                "the Single's exact value converts back to its pattern", s.SingleHex);
    }
}

bool SameReport(const ControlTexts& a, const ControlTexts& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].Control != b[i].Control || a[i].Text != b[i].Text) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ConversionState fresh;
    const ConvertOutcome outcome = ConvertDecimal(fresh, text, ViewChoice{}, ",", nullptr);
    Require(!outcome.Accepted || CheckDecimalText(text), "only texts that pass the check are converted");
    if (!outcome.Accepted) {
        Require(fuzz::SameState(fresh, ConversionState{}), "a refused text leaves a fresh state as it was");
    } else {
        Require(!outcome.Report.empty(), "an accepted text gives a report");
        CheckFiniteFormats(fresh);
    }
    ConversionState reused = PreviousState();
    const ConvertOutcome again = ConvertDecimal(reused, text, ViewChoice{}, ",", nullptr);
    Require(again.Accepted == outcome.Accepted, "acceptance does not depend on the previous report");
    if (!again.Accepted) {
        Require(fuzz::SameState(reused, PreviousState()), "a refused text leaves the previous report untouched");
    } else {
        Require(SameReport(again.Report, outcome.Report), "a report over a previous one equals a fresh report");
    }
    return 0;
}
