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
#include "window_report/ConvertReport.h"
#include "window_report/DecimalInput.h"

namespace {

using namespace pexabit;
using fuzz::Require;

ConversionState Convert(std::string_view text, ConvertResult& result) {
    ConversionState state;
    ConvertText(state, text, {}, result);
    return state;
}

// A state that holds the report of an earlier conversion, as the window's state does.
const ConversionState& PreviousState() {
    static ConvertResult result;
    static const ConversionState previous = Convert("-123.456e-3", result);
    return previous;
}

std::string PatternOf(const FormatPart& part) { return std::to_string(static_cast<std::uint64_t>(part.Stored.Pattern)); }

// The exact value of a finite format agrees with GMP's value of its value in memory, and
// converting that exact value gives the same pattern again.
void CheckFiniteFormats(const ConversionState& s) {
    ConvertResult ignored;
    if (!s.Double.Stored.Overflow) {
        const mpq_class value(s.DoubleValue);  // a double converts to a rational exactly
        Require(s.Double.Texts.Exact == testing::ToDecimalString(value, s.Double.Stored.Negative ? '-' : '+'),
                "the Double's exact text is the value of the Double", s.Double.Texts.Exact);
        Require(PatternOf(Convert(s.Double.Texts.Exact, ignored).Double) == PatternOf(s.Double),
                "the Double's exact value converts back to its pattern");
    }
    if (!s.Single.Stored.Overflow) {
        const mpq_class value(static_cast<double>(s.SingleValue));
        Require(s.Single.Texts.Exact == testing::ToDecimalString(value, s.Single.Stored.Negative ? '-' : '+'),
                "the Single's exact text is the value of the Single", s.Single.Texts.Exact);
        Require(PatternOf(Convert(s.Single.Texts.Exact, ignored).Single) == PatternOf(s.Single),
                "the Single's exact value converts back to its pattern");
    }
}

bool SameResult(const ConvertResult& a, const ConvertResult& b) {
    return a.Kind == b.Kind && a.SingleDisplay == b.SingleDisplay && a.DoubleDisplay == b.DoubleDisplay &&
           a.DoubleMinusSingle == b.DoubleMinusSingle && a.OriginalMinusDouble == b.OriginalMinusDouble &&
           a.OriginalMinusSingle == b.OriginalMinusSingle;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ConversionState fresh;
    ConvertResult outcome;
    ConvertText(fresh, text, ConvertSettings{",", nullptr}, outcome);
    const bool accepted = outcome.Kind == Outcome::Converted;
    Require(accepted == AcceptDecimalText(text), "the window's check before its busy state agrees");
    Require(!accepted || CheckDecimalText(text), "only texts that pass the check are converted");
    if (!accepted) {
        Require(fuzz::SameState(fresh, ConversionState{}), "a refused text leaves a fresh state as it was");
    } else {
        CheckFiniteFormats(fresh);
    }
    ConversionState reused = PreviousState();
    ConvertResult again;
    ConvertText(reused, text, ConvertSettings{",", nullptr}, again);
    Require(again.Kind == outcome.Kind, "acceptance does not depend on the previous report");
    if (!accepted) {
        Require(fuzz::SameState(reused, PreviousState()), "a refused text leaves the previous report untouched");
    } else {
        Require(fuzz::SameState(reused, fresh) && SameResult(again, outcome),
                "a report over a previous one equals a fresh report");
    }
    return 0;
}
