#pragma once
// The command line of pexabit-cli read into plain values before any input is looked at: what
// to answer (the help, the version, a report), the report's options and its inputs.
//
// An argument that starts with "-" is an option when it is one; otherwise it is an input when
// every character of it may stand in an input of the chosen mode ("-5", "--5", "-e5" for the
// window report's decimal input, "-inf", "-0x1p3" for the every-format report), and a usage error
// naming it when not ("-x", "--bogus"). After "--" every argument is an input. "-" as the only
// input means standard input, after "--" too.
//
// ParseCliOptions({"--json", "-5"}) gives Json, decimal input and the Texts {"-5"};
// ParseCliOptions({"--bogus"}) gives the Error "unknown option '--bogus'".

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/FileRead.h"
#include "format/FloatFormat.h"
#include "format/RoundingMode.h"
#include "report/ReportKeys.h"

namespace pexabit {

enum class CliAction { Report, Help, Version };

// The inputs of the window report: decimal texts, or the patterns of the two hex buttons.
enum class CliInput { Decimal, SingleHex, DoubleHex };

// The significant digits --brief shows of an exact value unless --digits says otherwise.
inline constexpr std::size_t BriefDigits = 40;

struct CliOptions {
    CliAction Action = CliAction::Report;
    bool Json = false;
    bool Strict = false;  // --strict, for the window report's decimal input only
    CliInput Input = CliInput::Decimal;
    // --format: the every-format report of these formats in the order given, "all" expanded;
    // empty for the window report.
    std::vector<const FloatFormat*> Formats;
    RoundingMode Round = RoundingModeNames[0].Mode;  // --round
    bool Pattern = false;  // --pattern: each input is a pattern of the one format
    bool BytesLe = false;  // --bytes-le: those patterns least significant byte first
    // --keys, --brief, --digits: what the every-format report shows of each format. --brief
    // chooses pattern, shortest and exact and, without --digits, BriefDigits.
    ReportKeys Keys;          // every key unless --keys or --brief chose
    bool Brief = false;
    std::size_t Digits = 0;   // the exact texts cut to this many significant digits; 0: whole
    // Stored values of another format and of a file.
    const FloatFormat* From = nullptr;  // --from: each input is a pattern of this format, rounded into LIST
    std::optional<FileRead> File;       // --file and its --offset, --count, --stride
    // The inputs, pointing into the arguments; empty: every line of standard input.
    std::vector<std::string_view> Texts;
};

struct CliParse {
    CliOptions Options;
    std::string Error;  // the usage error, naming the argument at fault; empty when there is none
};

// `arguments` without the program's name. --help and --version answer whatever else is given.
CliParse ParseCliOptions(std::span<const char* const> arguments);

// Everything --help prints: the usage, every option, the input forms, the exit statuses and
// where the JSON keys are documented.
std::string CliHelpText();

// What a usage error prints on standard error: "pexabit-cli: <error>", the short usage and the
// hint to --help.
std::string CliUsageErrorText(std::string_view error);

}  // namespace pexabit
