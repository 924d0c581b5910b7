#pragma once
// The decimal text through the whole convert operation: check, normalise, encode, analyse,
// report. Properties: a refused text changes nothing (on a fresh state and on one that holds a
// previous report); an accepted one gives exact values that are the true values of the stored
// patterns, and each finite pattern comes back when its exact value is converted in turn.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "../tests/support/GmpReference.h"
#include "FuzzSupport.h"
#include "window_report/ConvertReport.h"
#include "window_report/DecimalInput.h"

namespace pexabit::fuzz {

// The everyday target's inputs: about 40 digits with their sign, separators and exponent, and a
// canonical text of at most this many characters: the Double's smallest subnormal needs 1,077
// (4.9e-324 written out), so exponents reach some 200 beyond the Double's range either way.
inline constexpr std::size_t EverydayTextBytes = 48;
inline constexpr std::int64_t EverydayCanonicalLength = 1300;

inline ConversionState Convert(std::string_view text, ConvertResult& result) {
    ConversionState state;
    ConvertText(state, text, {}, result);
    return state;
}

// A state that holds the report of an earlier conversion, as the window's state does.
inline const ConversionState& PreviousState() {
    static ConvertResult result;
    static const ConversionState previous = Convert("-123.456e-3", result);
    return previous;
}

inline std::string PatternOf(const FormatPart& part) { return std::to_string(static_cast<std::uint64_t>(part.Stored.Pattern)); }

// The exact value of a finite format agrees with GMP's value of its value in memory, and
// converting that exact value gives the same pattern again.
inline void CheckFiniteFormats(const ConversionState& s) {
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

inline bool SameResult(const ConvertResult& a, const ConvertResult& b) {
    return a.Kind == b.Kind && a.SingleDisplay == b.SingleDisplay && a.DoubleDisplay == b.DoubleDisplay &&
           a.DoubleMinusSingle == b.DoubleMinusSingle && a.OriginalMinusDouble == b.OriginalMinusDouble &&
           a.OriginalMinusSingle == b.OriginalMinusSingle;
}

// The length of the canonical text the window reads `text` as ("." read as ","), without building it.
inline std::int64_t TypedCanonicalLength(std::string_view text) {
    std::string typed(text);
    std::replace(typed.begin(), typed.end(), '.', ',');
    return CanonicalTextLength(typed);
}

inline void CheckTypedText(std::string_view text) {
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
}

}  // namespace pexabit::fuzz
