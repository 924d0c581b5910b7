#pragma once
// The every-format report of one input: for each chosen format the stored value with its
// fields, its exact texts, its neighbours and, for a typed number, the rounding's error and
// flags, or why that format cannot hold the input. A typed record; the command line writes it
// as JSON or as readable blocks.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "arith/WideInteger.h"
#include "format/Rounding.h"
#include "format/StoredValue.h"
#include "format/TypedNumber.h"
#include "report/ReportKeys.h"

namespace pexabit {

struct FormatReport {
    const FloatFormat* Format = nullptr;
    // Set: this format cannot hold the typed NaN (a payload wider than its bits below the quiet
    // bit; snan or a payload in e4m3), and says why; the members of a value are then empty.
    std::optional<std::string> Refusal;
    StoredValue Value;
    RoundingFlags Flags;                       // all false for a pattern input
    std::string Exact;                         // plain decimal, "inf", "-inf", "nan"
    std::string ExactBinary;                   // the same in base 2
    std::optional<std::string> Shortest;       // nullopt for NaNs
    std::optional<std::string> HexFloat;       // nullopt for NaNs
    std::optional<Bits128> NextUp, NextDown;   // nullopt where there is no neighbour
    std::optional<std::string> Ulp;            // plain decimal; nullopt for infinities and NaNs
    // typed - stored, exact (plain, or scientific past MaxPlainErrorLength characters), and
    // its ratio to the typed value; nullopt for a pattern input or a result without a value.
    std::optional<std::string> Error, RelativeError;
    // Set where Error is left out because it has more than MaxExactDigits significant digits
    // (1e-99999999999 rounded up): ErrorDigits says how many, nullopt where even that count is
    // out of reach (a hex float whose binary exponent reaches 10^17).
    bool ErrorTooLong = false;
    std::optional<WideInteger> ErrorDigits;
};

struct InputReport {
    // Nonempty: the input is refused, and this says why: a text that is no number, a pattern
    // that is none, or a NaN that no format of the list can hold.
    std::string Refusal;
    std::vector<FormatReport> Formats;  // in the requested order; empty when refused
    // The typed input as read (for a pattern input, left as it was); its storage is reused from input
    // to input.
    ParsedText Typed;
    // Set for a value read from a file: the byte offset of its first byte, which the writers
    // show after the input. BuildReport leaves it as it is.
    std::optional<std::uint64_t> Offset;
};

// True when the input was refused or some format of it cannot hold it: what makes a run's exit
// status 1.
bool AnyRefusal(const InputReport& report);

// The characters of the long texts the report holds (the exact texts, ulps, errors and
// refusals, at their whole length): what its writers reserve room for, besides the short
// members of each format.
std::size_t LongTextLength(const InputReport& report);

struct ReportRequest {
    std::vector<const FloatFormat*> Formats;
    RoundingMode Mode = RoundingMode::NearestEven;
    bool Pattern = false;  // inputs are hex patterns of the one format in Formats
    bool BytesLe = false;  // ... given least significant byte first
    // The keys to compute and show; a member of FormatReport that no chosen key needs is left
    // empty, so that a report of few keys costs little (a pattern alone: no exact expansion).
    ReportKeys Keys = {};
    // The exact texts (exact, exact_binary, ulp, error) are shown cut to this many significant
    // digits by CutDigits; 0 shows them whole. The report itself always holds them whole.
    std::size_t Digits = 0;
    // Set: inputs are hex patterns of this format (BytesLe applies), each rounded into every
    // format of Formats, the error and flags measured against the pattern's exact value.
    const FloatFormat* From = nullptr;
};

// Fills `report` for one input; its storage is reused from input to input. A NaN that some
// formats of the list cannot hold is answered by the others, each that cannot with its
// Refusal; one that none can hold refuses the input with the first format's message.
// BuildReport("0.1", {{&DoubleFormat}}, r): r.Formats[0].Value.Pattern 0x3FB999999999999A,
// Exact "0.1000000000000000055511151231257827021181583404541015625", Error
// "-0.0000000000000000055511151231257827021181583404541015625", Flags.Inexact.
void BuildReport(std::string_view input, const ReportRequest& request, InputReport& report);

// The stored-value part of one format's report (everything but the rounding's flags and
// error), written over `out` (Refusal, Error and RelativeError reset). Exact is written when
// `keys` need it or the error (exact, error, relative_error); the members that no key of `keys`
// needs are left empty.
void DescribeStoredValue(const FloatFormat& format, const StoredValue& value, FormatReport& out, ReportKeys keys = {});

}  // namespace pexabit
