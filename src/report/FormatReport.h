#pragma once
// The every-format report of one input: for each chosen format the stored value with its
// fields, its exact texts, its neighbours and, for a typed number, the rounding's error and
// flags. A typed record; the command line writes it as JSON or as readable blocks.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "arith/ExactExpansion.h"
#include "format/Rounding.h"
#include "format/StoredValue.h"

namespace pexabit {

struct FormatReport {
    const FloatFormat* Format = nullptr;
    StoredValue Value;
    RoundingFlags Flags;                       // all false for a pattern input
    std::string Exact;                         // plain decimal, "inf", "-inf", "nan"
    std::string ExactBinary;                   // the same in base 2
    std::optional<std::string> Shortest;       // nullopt for NaNs
    std::optional<std::string> HexFloat;       // nullopt for NaNs
    std::optional<Bits128> NextUp, NextDown;   // nullopt where there is no neighbour
    std::optional<std::string> Ulp;            // plain decimal; nullopt for infinities and NaNs
    // The ulp of this format's zeros and subnormals (2^-16494 in quad, 16,494 digits), written
    // once for a stream of inputs, not once per zero.
    std::string SmallestUlp;
    // typed - stored, exact (plain, or scientific past MaxPlainErrorLength characters), and
    // its ratio to the typed value; nullopt for a pattern input or a result without a value.
    std::optional<std::string> Error, RelativeError;
};

struct InputReport {
    std::string Refusal;              // nonempty: the input is refused, and this says why
    std::vector<FormatReport> Formats;  // in the requested order; empty when refused
};

struct ReportRequest {
    std::vector<const FloatFormat*> Formats;
    RoundingMode Mode = RoundingMode::NearestEven;
    bool Pattern = false;  // inputs are hex patterns of the one format in Formats
    bool BytesLe = false;  // ... given least significant byte first
};

// Fills `report` for one input; its storage is reused from input to input.
// BuildReport("0.1", {{&DoubleFormat}}, r): r.Formats[0].Value.Pattern 0x3FB999999999999A,
// Exact "0.1000000000000000055511151231257827021181583404541015625", Error
// "-0.0000000000000000055511151231257827021181583404541015625", Flags.Inexact.
void BuildReport(std::string_view input, const ReportRequest& request, InputReport& report);

// The stored-value part of one format's report (everything but the rounding's flags and
// error), written over `out` (Error and RelativeError reset). `digits` receives the exact
// decimal expansion of a finite value.
void DescribeStoredValue(const FloatFormat& format, const StoredValue& value, FormatReport& out,
                         DecimalExpansion& digits);

}  // namespace pexabit
