// pexabit-cli: the convert operation and the two hex buttons of the window on a terminal.
// Each TEXT (or each line of standard input) is one input, run from a fresh state.

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "cli/FormatReport.h"
#include "cli/Operation.h"
#include "cli/Reports.h"
#include "cli/Streams.h"

namespace {

using namespace pexabit;

constexpr int ExitConverted = 0;
constexpr int ExitRejected = 1;
constexpr int ExitUsage = 2;

constexpr char Usage[] =
    "usage: pexabit-cli [--json] [--single-hex | --double-hex] [--] [TEXT ...]\n"
    "       pexabit-cli --format LIST [--round MODE] [--pattern [--bytes-le]] [--json] [--] [TEXT ...]\n"
    "  TEXT          a decimal number as typed into the window (0.1, -1,5e3),\n"
    "                or with --single-hex / --double-hex a pattern of 8 / 16 hex digits;\n"
    "                without TEXT every line of standard input is one input\n"
    "  --json        one JSON object per input and line\n"
    "  --            every later argument is a TEXT, even one that starts with \"--\"\n"
    "  --format LIST every format of LIST (half,bfloat16,single,double,extended,quad,e5m2,e4m3\n"
    "                or all): each rounded once from the typed value, which may also be inf,\n"
    "                nan, snan, nan(0xHEX) or a C hex float (0x1.8p+1). Without --format the\n"
    "                Single is made from the Double (two roundings): for\n"
    "                1.0000000596046447753906251 that Single is 3F800000, --format's 3F800001\n"
    "  --round MODE  with --format: nearest-even (default), nearest-away, toward-zero, up, down\n"
    "  --pattern     with one format: each TEXT is its pattern in hex (0x optional);\n"
    "  --bytes-le    the pattern's bytes least significant first\n"
    "exit status: 0 every input converted, 1 some input rejected, 2 usage error\n";

struct Arguments {
    CliMode Mode;
    std::vector<std::string_view> Texts;
    bool Help = false;
};

// Options may stand anywhere before "--". Texts such as "-5" or "-" are inputs, not options.
bool ParseArguments(int argc, char** argv, Arguments& args) {
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (optionsEnded || arg.size() < 2 || arg.substr(0, 2) != "--") {
            if (!optionsEnded && (arg == "-h")) args.Help = true;
            else args.Texts.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--json") {
            args.Mode.Json = true;
        } else if (arg == "--help") {
            args.Help = true;
        } else if (arg == "--single-hex" || arg == "--double-hex") {
            const PatternFormat format = arg == "--single-hex" ? PatternFormat::Single : PatternFormat::Double;
            if (args.Mode.Hex && *args.Mode.Hex != format) return false;
            args.Mode.Hex = format;
        } else {
            return false;
        }
    }
    return true;
}

// The user's decimal separator for the displayed values; "." when the locale gives none.
std::string UserDecimalSeparator() {
    std::setlocale(LC_ALL, "");
    const std::lconv* conventions = std::localeconv();
    if (conventions == nullptr || conventions->decimal_point == nullptr ||
        conventions->decimal_point[0] == '\0') {
        return ".";
    }
    return conventions->decimal_point;
}

// One result serves every input: each starts afresh in it, and the long texts of the last one
// leave their storage for the next.
bool ReportOne(std::string_view input, const CliMode& mode, OperationResult& result, OutputBuffer& output) {
    RunOperation(input, mode, result);
    if (mode.Json) AppendJsonReport(output.Text(), input, result);
    else AppendTextReport(output.Text(), input, result);
    output.FlushIfLarge();
    return result.Outcome != OperationResult::Kind::Rejected;
}

}  // namespace

int main(int argc, char** argv) {
    if (WantsFormatReport(argc, argv)) {
        FormatReportOptions options;
        if (const std::string problem = ParseFormatReportArguments(argc, argv, options); !problem.empty()) {
            std::fprintf(stderr, "pexabit-cli: %s\n%s", problem.c_str(), Usage);
            return ExitUsage;
        }
        if (options.Help) {
            std::fputs(Usage, stdout);
            return ExitConverted;
        }
        return RunFormatReport(options);
    }
    Arguments args;
    if (!ParseArguments(argc, argv, args)) {
        std::fputs(Usage, stderr);
        return ExitUsage;
    }
    if (args.Help) {
        std::fputs(Usage, stdout);
        return ExitConverted;
    }
    args.Mode.DecimalSeparator = UserDecimalSeparator();
    OutputBuffer output;
    OperationResult result;
    bool allConverted = true;
    if (!args.Texts.empty()) {
        for (std::string_view text : args.Texts) allConverted &= ReportOne(text, args.Mode, result, output);
    } else {
        LineReader reader(output);
        std::string line;
        while (reader.Next(line)) allConverted &= ReportOne(line, args.Mode, result, output);
        if (reader.ReadError() != 0) {
            output.Flush();
            std::fprintf(stderr, "pexabit-cli: standard input cannot be read: %s\n",
                         std::strerror(reader.ReadError()));
            return ExitUsage;
        }
    }
    if (!output.Flush()) {
        // Without this line a full disk or a closed pipe would pass unnoticed by the user.
        std::fprintf(stderr, "pexabit-cli: the output cannot be written: %s\n", std::strerror(errno));
        return ExitUsage;
    }
    return allConverted ? ExitConverted : ExitRejected;
}
