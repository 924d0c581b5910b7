#pragma once
// The whole command line in-process: the first byte gives the count of arguments (and the
// decimal separator of the user's locale), the next bytes up to that many NUL-terminated
// arguments, the rest is standard input (its first MaxInputLines lines); RunCli runs them on a
// memory source and sinks.
// Properties: the exit status is 0, 1 or 2 (2 exactly for a usage error, nothing answered); with
// --json every line of the answers is valid UTF-8 and parses as JSON; with --format every
// pattern printed, read back with --pattern, gives the same keys of the stored value. --file is
// left out: it reads the machine's files; so are values of more than MaxValueDigits digits.
// The everyday target takes the inputs whose typed values all have everyday sizes (as
// FormatReportFuzz's); the Huge one those with a value beyond them.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "cli/InputLoop.h"
#include "cli/Options.h"
#include "cli/RunCli.h"
#include "format/ExactDigitBound.h"
#include "format/TypedNumber.h"

namespace pexabit::fuzz {

namespace command_line_check {

inline constexpr unsigned MaxArguments = 12;
inline constexpr unsigned MaxInputLines = 4;
// Values whose exact text runs past this many digits (1e-999999, 0x1p-999999: a million) cost
// seconds to minutes with the sanitizers, in the report and in reading its answer back; the
// Huge targets take them. Extended's and quad's tiny values (16,500 digits) stay.
inline constexpr std::int64_t MaxValueDigits = 20000;
inline constexpr unsigned CommaSeparatorFlag = 0x80;  // the first byte's bit for a locale with ","

// Standard input from memory, handed out in short reads as a pipe might give it.
class MemorySource : public ByteSource {
public:
    explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
    long Read(char* data, std::size_t size) override {
        constexpr std::size_t PipeRead = 61;
        const std::size_t n = std::min({size, bytes_.size(), PipeRead});
        std::copy_n(bytes_.data(), n, data);
        bytes_.remove_prefix(n);
        return static_cast<long>(n);
    }

private:
    std::string_view bytes_;
};

class MemorySink : public ByteSink {
public:
    int Write(std::string_view bytes) override {
        Text.append(bytes);
        return 0;
    }
    std::string Text;
};

struct Run {
    int Status = 0;
    std::string Output, Messages;
};

inline Run RunInMemory(const std::vector<std::string>& arguments, std::string_view input, const std::string& separator) {
    std::vector<const char*> argv;
    for (const std::string& a : arguments) argv.push_back(a.c_str());
    MemorySource source(input);
    MemorySink output, messages;
    CliSurroundings surroundings;
    surroundings.DecimalSeparator = [&] { return separator; };
    Run run;
    run.Status = RunCli(argv, CliStreams{source, output, messages}, surroundings);
    run.Output = std::move(output.Text);
    run.Messages = std::move(messages.Text);
    return run;
}

// Every line of `output` is valid UTF-8 and JSON; with `keep`, the lines as read. A line only
// checked is read without building its tree (nlohmann::json::accept), which saves the
// allocations of its members: the window report's lines are only checked.
inline std::vector<nlohmann::json> JsonLines(const std::string& output, bool keep = true) {
    std::vector<nlohmann::json> lines;
    for (std::size_t start = 0; start < output.size();) {
        const std::size_t end = std::min(output.find('\n', start), output.size());
        const std::string_view line(output.data() + start, end - start);
        Require(fuzz::ValidUtf8(line), "a JSON line is valid UTF-8", line);
        if (keep) {
            lines.push_back(nlohmann::json::parse(line, nullptr, false));
            Require(!lines.back().is_discarded(), "a JSON line parses", line);
        } else {
            Require(nlohmann::json::accept(line), "a JSON line parses", line);
        }
        start = end + 1;
    }
    return lines;
}

// The keys that belong to the rounding or the typed value rather than to the stored value.
inline bool DescribesRounding(const std::string& key) {
    for (const char* k : {"error", "error_digits", "relative_error", "inexact", "underflow", "overflow"}) {
        if (key == k) return true;
    }
    return false;
}

// Each printed pattern read back with --pattern (and the same --digits) gives the same keys of
// the stored value. The patterns of one format are read back in one run, one argument each.
inline void CheckPatternsReadBack(const std::vector<nlohmann::json>& lines, const CliOptions& options, const std::string& separator) {
    std::map<std::string, std::vector<const nlohmann::json*>> printed;  // by format name
    for (const nlohmann::json& line : lines) {
        if (!line.contains("formats")) continue;
        for (const nlohmann::json& format : line["formats"]) {
            if (format.contains("pattern")) printed[format["format"].get<std::string>()].push_back(&format);
        }
    }
    for (const auto& [name, formats] : printed) {
        std::vector<std::string> args{"--json", "--format", name, "--pattern"};
        if (options.Digits != 0) args.insert(args.end(), {"--digits", std::to_string(options.Digits)});
        args.emplace_back("--");
        for (const nlohmann::json* format : formats) args.push_back((*format)["pattern"].get<std::string>());
        const Run back = RunInMemory(args, {}, separator);
        Require(back.Status == ExitConverted, "a printed pattern reads back", back.Output + back.Messages);
        const std::vector<nlohmann::json> backLines = JsonLines(back.Output);
        Require(backLines.size() == formats.size(), "each pattern read back is one line", back.Output);
        for (std::size_t i = 0; i < formats.size(); ++i) {
            const nlohmann::json &format = *formats[i], &stored = backLines[i]["formats"][0];
            for (const auto& [key, value] : format.items()) {
                if (DescribesRounding(key) || (stored.contains(key) && stored[key] == value)) continue;
                Require(false, "a pattern read back keeps the stored value's keys", key + ": " + format.dump() + " vs " + stored.dump());
            }
        }
    }
}

// Standard input up to its MaxInputLines-th line: each line is an input, and with --format all
// each costs eight reports and their read-backs, which beyond a few lines only repeat the same
// paths (the loop over lines is the same from the second line on).
inline std::string_view FirstLines(std::string_view input) {
    std::size_t end = 0;
    for (unsigned line = 0; line < MaxInputLines && end < input.size(); ++line) {
        end = std::min(input.find('\n', end), input.size());
        if (end < input.size()) ++end;
    }
    return input.substr(0, end);
}

// The sizes of the typed values of the arguments and of standard input: whether any has an
// exact text past MaxValueDigits, and whether any is beyond the everyday sizes.
struct ValueSizes {
    bool TooLong = false, BeyondEveryday = false;
};

inline ValueSizes SizesOf(const CliOptions& options, std::string_view input) {
    ValueSizes sizes;
    const auto add = [&](std::string_view text) {
        const ParsedText parsed = ParseTypedNumber(text);
        if (!parsed.Number) return;
        sizes.TooLong = sizes.TooLong || PlainDigitsExceed(*parsed.Number, MaxValueDigits);
        sizes.BeyondEveryday = sizes.BeyondEveryday || !WithinEverydaySize(*parsed.Number);
    };
    for (const std::string_view text : options.Texts) add(text);
    for (std::size_t start = 0; start < input.size();) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        add(input.substr(start, end - start));
        start = end + 1;
    }
    return sizes;
}

}  // namespace command_line_check

inline void CheckCommandLine(const std::uint8_t* data, std::size_t size, InputSizes inputSizes) {
    using namespace command_line_check;
    if (size == 0) return;

    const unsigned count = data[0] % (MaxArguments + 1);
    const std::string separator = (data[0] & CommaSeparatorFlag) != 0 ? "," : ".";
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    std::vector<std::string> arguments;
    while (arguments.size() < count && !rest.empty()) {
        const std::size_t end = std::min(rest.find('\0'), rest.size());
        arguments.emplace_back(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    rest = FirstLines(rest);
    std::vector<const char*> argv;
    for (const std::string& a : arguments) argv.push_back(a.c_str());
    const CliParse parse = ParseCliOptions(argv);
    if (parse.Options.File) return;
    const ValueSizes sizes = SizesOf(parse.Options, rest);
    if (sizes.TooLong || !Takes(inputSizes, !sizes.BeyondEveryday)) return;

    const Run run = RunInMemory(arguments, rest, separator);
    Require(run.Status == ExitConverted || run.Status == ExitRefused || run.Status == ExitFailure,
            "the exit status is 0, 1 or 2", std::to_string(run.Status));
    if (!parse.Error.empty()) {
        Require(run.Status == ExitFailure && run.Output.empty() && !run.Messages.empty(),
                "a usage error ends with status 2 and a message, answering nothing", run.Messages);
        return;
    }
    const CliOptions& options = parse.Options;
    if (options.Action != CliAction::Report) return;
    Require(run.Status != ExitFailure, "memory streams never fail", run.Messages);
    if (options.Json) {
        const std::vector<nlohmann::json> lines = JsonLines(run.Output, !options.Formats.empty());
        if (!options.Formats.empty()) CheckPatternsReadBack(lines, options, separator);
    } else if (!options.Formats.empty()) {
        // The readable report's patterns, read from the same run in JSON.
        std::vector<std::string> json{"--json"};
        json.insert(json.end(), arguments.begin(), arguments.end());
        const Run again = RunInMemory(json, rest, separator);
        Require(again.Status == run.Status, "--json answers with the same status", again.Messages);
        CheckPatternsReadBack(JsonLines(again.Output), options, separator);
    }
}

}  // namespace pexabit::fuzz
