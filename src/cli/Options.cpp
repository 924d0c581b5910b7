#include "cli/Options.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>

#include "text/Characters.h"

namespace pexabit {
namespace {

// The characters an input of each mode may hold, so that an argument made only of them is an
// input even when it starts with "-". The window's decimal check takes digits, the signs, both
// separators, the exponent letters and the infinity sign; a hex button takes hex digits; the
// every-format grammar adds the letters of inf, infinity, nan, snan, of 0x... hexadecimal
// constants with their p exponent, a payload in parentheses, and the blanks it drops at both ends.
constexpr std::string_view DecimalCharacters = "0123456789+-.,eE";
constexpr std::string_view HexCharacters = "0123456789abcdefABCDEF";
constexpr std::string_view EveryFormatCharacters = "0123456789+-.,eEabcdfinpstxyABCDFINPSTXY() \t";
constexpr std::string_view EveryFormatPatternCharacters = "0123456789abcdefABCDEFxX";

constexpr std::string_view ShortUsage =
    "usage: pexabit-cli [--json] [--strict] [--single-hex | --double-hex]\n"
    "                   [--] [TEXT ... | -]\n"
    "       pexabit-cli --format LIST [--round MODE] [--pattern [--bytes-le]]\n"
    "                   [--keys LIST | --brief] [--digits N]\n"
    "                   [--json] [--] [TEXT ... | -]\n"
    "       pexabit-cli --format LIST [--round MODE] --from FORMAT [--bytes-le]\n"
    "                   [--keys LIST | --brief] [--digits N]\n"
    "                   [--json] [--] [TEXT ... | -]\n"
    "       pexabit-cli --format LIST [--round MODE] [--from FORMAT] --file PATH\n"
    "                   [--offset BYTES] [--count VALUES] [--stride BYTES]\n"
    "                   [--bytes-le] [--keys LIST | --brief] [--digits N] [--json]\n"
    "       pexabit-cli -h | --help | -V | --version\n";

// The help around the entries that the lists of names fill in.
constexpr std::string_view HelpIntroduction = R"(
Shows how each TEXT is stored in binary floating point, every digit exact.
By default it gives the window report: the Single (binary32) and the Double
(binary64) laid out as the Pexabit window shows them. --format gives the
every-format report instead. Without TEXT, or with the TEXT "-", every line
of standard input is one input, answered as soon as it is read (a byte order
mark starting standard input is ignored).

Window report:
  TEXT              a decimal number as the window takes it: digits, signs,
                    "." or ",", "e" or "E", the infinity sign (0.1  -1,5e3  -∞)
  --single-hex      each TEXT is a Single pattern of 8 hex digits (3DCCCCCD)
  --double-hex      each TEXT is a Double pattern of 16 hex digits
  --strict          refuse a decimal TEXT that is not a plain number, [sign]
                    (digits [sep [digits]] | sep digits) [e [sign] digits]
                    with sep "." or "," once, or [sign] ∞, saying what is wrong
                    (the window converts what it can read of "1.5.3", "+-1",
                    "1e2.5", an empty line); blanks and tabs at both ends are
                    ignored

Every-format report:
)";
constexpr std::string_view HelpClosing = R"(  --pattern         each TEXT is a hex pattern of the one format of LIST
                    (as dumps give it, its bytes may be separated by blanks,
                    ":", "_", "-" or ",", each with its own 0x or none:
                    9a 99 99 99 99 99 b9 3f  0x3f:0xb9:...)
  --bytes-le        with --pattern, --from or --file: the bytes least
                    significant first
  --from FORMAT     each TEXT is a hex pattern of FORMAT (one name), its exact
                    value rounded into every format of LIST; the error and the
                    flags are measured against that exact value
  --file PATH       the inputs are the stored values in the file PATH ("-":
                    standard input, read as bytes), of the one format of LIST
                    or of --from's, most significant byte first unless
                    --bytes-le; each reported with its byte offset; a file
                    shorter than asked is reported short (status 1)
  --offset BYTES    where the first value starts (default 0)
  --count VALUES    how many values to read (default: to the end of the file)
  --stride BYTES    from a value's first byte to the next one's (default the
                    format's width: 10 for extended; 16 for x86-64 long double)
  It rounds the typed value once into each format, while the window report
  makes its Single from the Double, as the window does: for the TEXT
  1.0000000596046447753906251 the window report's Single is 3F800000, the
  every-format report's 3F800001.

Both reports:
  --json            one JSON object per input and line, not the readable report
  --                every later argument is a TEXT ("-" still standard input)
  -h, --help        this help
  -V, --version     the version

A TEXT may start with "-" when it holds only characters that an input of its
mode may hold (-5  --5  -e5  -inf); anything else is an unknown option.

Exit status: 0 every input converted; 1 some input refused (its answer says
why, the other inputs are still answered); 2 a usage error, standard input
or a --file that cannot be read, or output that cannot be written (said on
standard error).

The JSON keys: pexabit-cli(1); json.md (the window report) and
format-report.md (the every-format report), each with its JSON Schema, in the
documentation directory (/usr/share/doc/pexabit-cli/ from the package, docs/
in the source).
)";

// One option of the help: "  OPTION" to column 20, then `text` wrapped at 79 columns with every
// further line indented to column 20. HelpEntry("--json", "one object per line") is
// "  --json            one object per line\n".
std::string HelpEntry(std::string_view option, std::string_view text) {
    constexpr std::size_t Indent = 20, Width = 79;
    std::string out = "  " + std::string(option);
    out.resize(Indent, ' ');
    std::size_t lineStart = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        const std::string_view word = text.substr(start, end - start);
        if (out.size() - lineStart + 1 + word.size() <= Width) {
            if (out.size() > lineStart + Indent) out += ' ';  // not the line's first word
        } else {
            out += '\n';
            lineStart = out.size();
            out.append(Indent, ' ');
        }
        out.append(word);
        start = end + 1;
    }
    return out + "\n";
}

// True when every character of `text` is one of `ascii`, or the infinity sign where `infinity`.
bool HoldsOnly(std::string_view text, std::string_view ascii, bool infinity) {
    for (std::size_t i = 0; i < text.size();) {
        if (infinity && text.substr(i, InfinitySign.size()) == InfinitySign) {
            i += InfinitySign.size();
        } else if (ascii.find(text[i]) != std::string_view::npos) {
            ++i;
        } else {
            return false;
        }
    }
    return true;
}

bool IsInputOfMode(std::string_view text, bool everyFormat, const CliOptions& o) {
    if (everyFormat) {
        return o.Pattern || o.From ? HoldsOnly(text, EveryFormatPatternCharacters, false)
                         : HoldsOnly(text, EveryFormatCharacters, true);
    }
    return o.Input == CliInput::Decimal ? HoldsOnly(text, DecimalCharacters, true)
                                        : HoldsOnly(text, HexCharacters, false);
}

// The formats' names in the order of "all": "half, bfloat16, ..., e4m3".
std::string FormatList() {
    std::string out;
    for (const FloatFormat* f : AllFormats) out.append(out.empty() ? "" : ", ").append(f->Name);
    return out;
}

// The help's lines of the formats' other names, one per format that has some, in the order of
// "all": "                      half      binary16, fp16, f16, float16\n" ...
std::string AliasLines() {
    constexpr std::size_t NameIndent = 22, AliasColumn = 32;  // under the help's entry texts
    std::string out;
    for (const FloatFormat* f : AllFormats) {
        if (f->Aliases.empty()) continue;
        std::string line = std::string(NameIndent, ' ').append(f->Name);
        line.resize(AliasColumn, ' ');
        for (std::string_view alias : f->Aliases) line.append(alias).append(", ");
        line.resize(line.size() - 2);
        out.append(line).append("\n");
    }
    return out;
}

// The names of --round in help order, `first` after the default's: ModeList("") is
// "nearest-even, nearest-away, toward-zero, up, down".
std::string ModeList(std::string_view first) {
    std::string out;
    for (const NamedRoundingMode& m : RoundingModeNames) out.append(out.empty() ? "" : ", ").append(m.Name);
    return out.insert(RoundingModeNames[0].Name.size(), first);
}

// LIST of --format: names separated by commas, "all" standing for every format in order; the
// names and the formats' other names in any case.
std::string ReadFormats(std::string_view list, std::vector<const FloatFormat*>& formats) {
    formats.clear();
    for (std::size_t start = 0;;) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string_view name = list.substr(start, comma - start);
        if (EqualIgnoringCase(name, "all")) formats.insert(formats.end(), AllFormats.begin(), AllFormats.end());
        else if (const FloatFormat* format = FindFormat(name)) formats.push_back(format);
        else return "unknown format '" + std::string(name) + "' in --format (" + FormatList() +
                    " or all; --help lists their other names)";
        if (comma == list.size()) return {};
        start = comma + 1;
    }
}

// The arguments read so far, and what they leave to be decided once all are known.
struct Reading {
    CliParse Parse;
    bool Help = false, Version = false, SingleHex = false, DoubleHex = false, Format = false,
         Round = false, StandardInput = false;
    bool Keys = false, Digits = false;  // --keys, --digits given
    std::vector<std::string_view> Dashed;  // neither options nor after "--": inputs if their mode allows
    std::string_view Placement;  // the last of --offset, --count, --stride given, for "needs --file"
    FileRead File;               // --file's path and placement, kept until --file is known

    void Fail(std::string error) {
        if (Parse.Error.empty()) Parse.Error = std::move(error);
    }
};

// What the value of each option is called when it is missing: "--round needs a MODE".
std::string_view ValueName(std::string_view option) {
    if (option == "--format") return "a LIST";
    if (option == "--from") return "a FORMAT";
    if (option == "--file") return "a PATH";
    if (option == "--count") return "VALUES";
    if (option == "--offset" || option == "--stride") return "BYTES";
    if (option == "--keys") return "a LIST";
    if (option == "--digits") return "N";
    return "a MODE";
}

// The value of `name` in "--name=VALUE" or "--name VALUE" (the next argument, which it takes).
// False when `arg` is another option; an error when the value is missing.
bool OptionValue(std::string_view name, std::string_view arg, std::span<const char* const> arguments,
                 std::size_t& i, std::string_view& value, Reading& r) {
    if (arg.substr(0, name.size()) != name) return false;
    if (arg.size() > name.size() && arg[name.size()] == '=') {
        value = arg.substr(name.size() + 1);
    } else if (arg.size() != name.size()) {
        return false;
    } else if (i + 1 < arguments.size()) {
        value = arguments[++i];
    } else {
        r.Fail(std::string(name) + " needs " + std::string(ValueName(name)));
        value = {};
        return true;
    }
    return true;
}

// --keys, --brief and --digits: what the every-format report shows of each format.

// LIST of --keys: the JSON names of keys, comma-separated, in any order (the report keeps its own).
std::string ReadKeys(std::string_view list, ReportKeys& keys) {
    keys = ReportKeys::Only({});
    for (std::size_t start = 0;;) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string_view name = list.substr(start, comma - start);
        if (const std::optional<ReportKey> key = FindReportKey(name)) keys.Add(*key);
        else return "unknown key '" + std::string(name) + "' in --keys (" + ReportKeyList() + ")";
        if (comma == list.size()) return {};
        start = comma + 1;
    }
}

// N of --digits: a whole number from 1 on.
std::string ReadDigits(std::string_view text, std::size_t& digits) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), digits);
    if (error == std::errc() && end == text.data() + text.size() && digits > 0) return {};
    return "--digits needs a whole number of significant digits from 1 on, not '" + std::string(text) + "'";
}

// `arg` read when it is --keys, --brief or --digits; false for any other.
bool ReadReportChoice(std::string_view arg, std::span<const char* const> arguments, std::size_t& i, Reading& r) {
    CliOptions& o = r.Parse.Options;
    std::string_view value;
    std::string error;
    if (arg == "--brief") {
        o.Brief = true;
    } else if (OptionValue("--keys", arg, arguments, i, value, r)) {
        r.Keys = true;
        error = ReadKeys(value, o.Keys);
    } else if (OptionValue("--digits", arg, arguments, i, value, r)) {
        r.Digits = true;
        error = ReadDigits(value, o.Digits);
    } else {
        return false;
    }
    if (!error.empty()) r.Fail(error);
    return true;
}

// What --brief, --keys and --digits need of the others, and what --brief chooses.
std::string SettleReportChoices(Reading& r) {
    CliOptions& o = r.Parse.Options;
    for (const auto& [given, name] : {std::pair{r.Keys, "--keys"}, {o.Brief, "--brief"}, {r.Digits, "--digits"}}) {
        if (given && !r.Format) return std::string(name) + " needs --format";
    }
    if (r.Keys && o.Brief) return "--brief and --keys exclude each other (--brief shows pattern, shortest and exact)";
    if (o.Brief) {
        o.Keys = ReportKeys::Only({ReportKey::Pattern, ReportKey::Shortest, ReportKey::Exact});
        if (!r.Digits) o.Digits = BriefDigits;
    }
    return {};
}

// The help of --keys, --brief and --digits.
std::string ReportChoiceHelp() {
    return HelpEntry("--keys LIST", "only these keys of each format, comma-separated, in the report's order: " +
                                        ReportKeyList() + "; the readable report shows the lines that hold them " +
                                        "(exponent: exponent and biased_exponent; fraction: integer_bit, " +
                                        "fraction_hex and fraction_bits; flags: inexact, underflow and overflow)") +
           HelpEntry("--brief", "one line per format: its name, pattern, shortest text and exact value " +
                                    std::string("(with --json the keys format, pattern, shortest and exact), the ") +
                                    "exact value cut to " + std::to_string(BriefDigits) + " digits unless --digits " +
                                    "says otherwise") +
           HelpEntry("--digits N", "cut exact, exact_binary, ulp and error to N significant digits, ending in "
                                   "\"...\" with the count of digits left out (in JSON the key's whole count as "
                                   "<key>_digits); a cut integer in scientific form (3.4028...e+38)");
}

// --offset, --count and --stride: a whole number, decimal or 0x hex, `least` or more.
std::optional<std::uint64_t> ReadCount(std::string_view option, std::string_view value, std::uint64_t least, Reading& r) {
    constexpr std::uint64_t Largest = std::uint64_t{1} << 62;  // beyond every file; JSON writes it exactly
    const bool hex = value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X');
    const std::string_view digits = hex ? value.substr(2) : value;
    const std::uint64_t base = hex ? 16 : 10;
    std::uint64_t number = 0;
    bool read = !digits.empty();
    for (char c : digits) {
        const int digit = hex ? HexDigitValue(c) : IsDigit(c) ? c - '0' : -1;
        if (digit < 0 || number > Largest / base) {
            read = false;
            break;
        }
        number = number * base + static_cast<std::uint64_t>(digit);
    }
    if (read && number >= least && number <= Largest) return number;
    r.Fail(std::string(option) + " needs a whole number, " + std::to_string(least) + " or more (decimal, or hex " +
           "after 0x), not '" + std::string(value) + "'");
    return std::nullopt;
}

// --from FORMAT, --file PATH, --offset BYTES, --count VALUES, --stride BYTES; false for another
// argument.
bool ReadStoredValueOption(std::string_view arg, std::span<const char* const> arguments, std::size_t& i, Reading& r) {
    CliOptions& o = r.Parse.Options;
    std::string_view value;
    if (OptionValue("--from", arg, arguments, i, value, r)) {
        o.From = FindFormat(value);
        if (o.From == nullptr) {
            r.Fail("unknown format '" + std::string(value) + "' in --from (one of " + FormatList() +
                   "; --help lists their other names)");
        }
    } else if (OptionValue("--file", arg, arguments, i, value, r)) {
        r.File.Path = value;
        o.File.emplace();
    } else if (OptionValue("--offset", arg, arguments, i, value, r)) {
        r.File.Offset = ReadCount("--offset", value, 0, r).value_or(0);
        r.Placement = "--offset";
    } else if (OptionValue("--count", arg, arguments, i, value, r)) {
        r.File.Count = ReadCount("--count", value, 1, r);
        r.Placement = "--count";
    } else if (OptionValue("--stride", arg, arguments, i, value, r)) {
        r.File.Stride = ReadCount("--stride", value, 1, r);
        r.Placement = "--stride";
    } else {
        return false;
    }
    return true;
}

// One argument before "--" that starts with "-" and is not "-" alone.
void ReadOption(std::string_view arg, std::span<const char* const> arguments, std::size_t& i, Reading& r) {
    CliOptions& o = r.Parse.Options;
    std::string_view value;
    if (arg == "--json") o.Json = true;
    else if (arg == "--strict") o.Strict = true;
    else if (arg == "--single-hex") r.SingleHex = true;
    else if (arg == "--double-hex") r.DoubleHex = true;
    else if (arg == "--pattern") o.Pattern = true;
    else if (arg == "--bytes-le") o.BytesLe = true;
    else if (arg == "-h" || arg == "--help") r.Help = true;
    else if (arg == "-V" || arg == "--version") r.Version = true;
    else if (ReadReportChoice(arg, arguments, i, r)) {}
    else if (OptionValue("--format", arg, arguments, i, value, r)) {
        r.Format = true;
        if (std::string error = ReadFormats(value, o.Formats); !error.empty()) r.Fail(error);
    } else if (OptionValue("--round", arg, arguments, i, value, r)) {
        r.Round = true;
        if (const std::optional<RoundingMode> mode = FindRoundingMode(value)) o.Round = *mode;
        else r.Fail("unknown rounding mode '" + std::string(value) + "' for --round (" + ModeList("") + ")");
    } else if (ReadStoredValueOption(arg, arguments, i, r)) {
    } else {
        r.Dashed.push_back(arg);
        o.Texts.push_back(arg);
    }
}

// --from, --file and its placement against the other options.
std::string CheckStoredValueCombinations(const Reading& r) {
    const CliOptions& o = r.Parse.Options;
    if (!o.File && !r.Placement.empty()) return std::string(r.Placement) + " needs --file";
    if (!r.Format && (o.From || o.File)) return std::string(o.From ? "--from" : "--file") + " needs --format";
    if (o.From && o.Pattern)
        return "--from reads patterns of its FORMAT, --pattern those of the one format of --format: give one of them";
    if (!o.File) return {};
    if (!o.Texts.empty()) return "--file reads its inputs from PATH: no TEXT besides it ('" + std::string(o.Texts[0]) + "')";
    if (!o.From && o.Formats.size() > 1) return "--file needs exactly one format in --format, or --from FORMAT";
    const FloatFormat& stored = o.From ? *o.From : *o.Formats.front();
    if (r.File.Stride && *r.File.Stride < static_cast<std::uint64_t>(stored.Bytes())) {
        return "--stride " + std::to_string(*r.File.Stride) + " is less than the " + std::to_string(stored.Bytes()) +
               " bytes of " + std::string(IndefiniteArticle(stored.Name)) + " " + std::string(stored.Name) +
               " value: the values would overlap";
    }
    return {};
}

// The options that depend on each other; the first conflict found is the error.
std::string CheckCombinations(const Reading& r) {
    const CliOptions& o = r.Parse.Options;
    if (std::string error = CheckStoredValueCombinations(r); !error.empty()) return error;
    if (r.SingleHex && r.DoubleHex) return "--single-hex and --double-hex exclude each other";
    if (r.Format && (r.SingleHex || r.DoubleHex))
        return std::string(r.SingleHex ? "--single-hex" : "--double-hex") +
               " belongs to the window report, not to --format (which takes --pattern)";
    if (!r.Format && r.Round) return "--round needs --format";
    if (!r.Format && o.Pattern) return "--pattern needs --format";
    if (!r.Format && o.BytesLe) return "--bytes-le needs --format";
    if (o.Pattern && o.Formats.size() > 1) return "--pattern needs exactly one format in --format";
    if (o.BytesLe && !o.Pattern && !o.From && !o.File) return "--bytes-le needs --pattern, --from or --file";
    if (o.Strict && (r.Format || r.SingleHex || r.DoubleHex))
        return "--strict applies to the decimal input of the window report only";
    return {};
}

}  // namespace

CliParse ParseCliOptions(std::span<const char* const> arguments) {
    Reading r;
    CliOptions& o = r.Parse.Options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view arg = arguments[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            r.StandardInput |= arg == "-";  // after "--" too, as cat -- - reads standard input
            o.Texts.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else {
            ReadOption(arg, arguments, i, r);
        }
    }
    if (r.Help || r.Version) {
        CliParse answer;
        answer.Options.Action = r.Help ? CliAction::Help : CliAction::Version;
        return answer;
    }
    if (r.SingleHex) o.Input = CliInput::SingleHex;
    else if (r.DoubleHex) o.Input = CliInput::DoubleHex;
    // A mistyped option is named before any conflict it leads to ("--frmat all --round up").
    for (std::string_view arg : r.Dashed) {
        if (!IsInputOfMode(arg, r.Format, o)) r.Fail("unknown option '" + std::string(arg) + "'");
    }
    if (r.Parse.Error.empty()) r.Parse.Error = CheckCombinations(r);
    if (r.Parse.Error.empty()) r.Parse.Error = SettleReportChoices(r);
    if (o.File) *o.File = r.File;
    if (r.StandardInput) {
        if (o.Texts.size() > 1) r.Fail("'-' (standard input) must be the only input");
        o.Texts.clear();
    }
    return r.Parse;
}

std::string CliHelpText() {
    std::string out(ShortUsage);
    out.append(HelpIntroduction);
    out += HelpEntry("--format LIST", "the formats of LIST, comma-separated: " + FormatList() + ", or all; a " +
                                          "TEXT may also be inf, nan, snan or a C hex constant (-0x1.8p3); " +
                                          "the formats' other names:");
    out += AliasLines();
    out += HelpEntry("--round MODE", ModeList(" (the default)") +
                                         "; names of formats and modes are read in any case "
                                         "(--format BF16,Half --round Up)");
    out += ReportChoiceHelp();
    out.append(HelpClosing);
    return out;
}

std::string CliUsageErrorText(std::string_view error) {
    std::string out = "pexabit-cli: ";
    out.append(error).append("\n").append(ShortUsage);
    out += "Try 'pexabit-cli --help' for more information.\n";
    return out;
}

}  // namespace pexabit
