// pexabit-cli --format: its options and the run over the inputs, with the same streaming, exit
// statuses and error handling as the seed report.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/FormatReport.h"
#include "cli/Streams.h"

namespace pexabit {

namespace {

constexpr int ExitConverted = 0;
constexpr int ExitRefused = 1;
constexpr int ExitUsage = 2;

// "--name=value" or "--name value": the value, advancing i past it; nullopt when missing.
std::optional<std::string_view> OptionValue(int argc, char** argv, int& i, std::string_view name) {
    const std::string_view arg = argv[i];
    if (arg.size() > name.size() && arg[name.size()] == '=') return arg.substr(name.size() + 1);
    if (i + 1 >= argc) return std::nullopt;
    return std::string_view(argv[++i]);
}

// "all", or names separated by ",": the formats in that order.
std::string ReadFormatList(std::string_view list, std::vector<const FloatFormat*>& formats) {
    formats.clear();
    if (list == "all") {
        formats.assign(AllFormats.begin(), AllFormats.end());
        return "";
    }
    for (std::size_t start = 0;;) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string_view name = list.substr(start, comma - start);
        const FloatFormat* format = FindFormat(name);
        if (format == nullptr) return "unknown format \"" + std::string(name) + "\"";
        formats.push_back(format);
        if (comma == list.size()) return "";
        start = comma + 1;
    }
}

std::string ReadOption(int argc, char** argv, int& i, FormatReportOptions& options) {
    const std::string_view arg = argv[i];
    const auto named = [&](std::string_view name) {
        return arg.substr(0, name.size()) == name && (arg.size() == name.size() || arg[name.size()] == '=');
    };
    if (arg == "--json") options.Json = true;
    else if (arg == "--help") options.Help = true;
    else if (arg == "--pattern") options.Request.Pattern = true;
    else if (arg == "--bytes-le") options.Request.BytesLe = true;
    else if (named("--format")) {
        const std::optional<std::string_view> list = OptionValue(argc, argv, i, "--format");
        return list ? ReadFormatList(*list, options.Request.Formats) : "--format needs a list of formats";
    } else if (named("--round")) {
        const std::optional<std::string_view> name = OptionValue(argc, argv, i, "--round");
        const std::optional<RoundingMode> mode = name ? FindRoundingMode(*name) : std::nullopt;
        if (!mode) return "--round takes nearest-even, nearest-away, toward-zero, up or down";
        options.Request.Mode = *mode;
    } else {
        return "unknown option " + std::string(arg) + " with --format";
    }
    return "";
}

}  // namespace

bool WantsFormatReport(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") return false;
        if (arg == "--format" || arg.substr(0, 9) == "--format=") return true;
    }
    return false;
}

std::string ParseFormatReportArguments(int argc, char** argv, FormatReportOptions& options) {
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (optionsEnded || arg.size() < 2 || arg.substr(0, 2) != "--") {
            if (!optionsEnded && arg == "-h") options.Help = true;
            else options.Texts.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (std::string problem = ReadOption(argc, argv, i, options); !problem.empty()) {
            return problem;
        }
    }
    if (options.Request.Pattern && options.Request.Formats.size() != 1) return "--pattern takes exactly one format";
    if (options.Request.BytesLe && !options.Request.Pattern) return "--bytes-le needs --pattern";
    return "";
}

namespace {

// One report serves every input: its texts keep their storage for the next.
bool ReportOne(std::string_view input, const FormatReportOptions& options, InputReport& report,
               OutputBuffer& output) {
    BuildReport(input, options.Request, report);
    if (options.Json) AppendFormatReportJson(output.Text(), input, options.Request, report);
    else AppendFormatReportText(output.Text(), input, options.Request, report);
    output.FlushIfLarge();
    return report.Refusal.empty();
}

}  // namespace

int RunFormatReport(const FormatReportOptions& options) {
    OutputBuffer output;
    InputReport report;
    bool allConverted = true;
    if (!options.Texts.empty()) {
        for (std::string_view text : options.Texts) allConverted &= ReportOne(text, options, report, output);
    } else {
        LineReader reader(output);
        std::string line;
        while (reader.Next(line)) allConverted &= ReportOne(line, options, report, output);
        if (reader.ReadError() != 0) {
            output.Flush();
            std::fprintf(stderr, "pexabit-cli: standard input cannot be read: %s\n", std::strerror(reader.ReadError()));
            return ExitUsage;
        }
    }
    if (!output.Flush()) {
        std::fprintf(stderr, "pexabit-cli: the output cannot be written: %s\n", std::strerror(errno));
        return ExitUsage;
    }
    return allConverted ? ExitConverted : ExitRefused;
}

}  // namespace pexabit
