// The command line's options as plain values: each option, each usage error naming the
// argument at fault, "-" among inputs, inputs that start with "-" in each mode; and the
// --strict grammar: what it refuses (with the character at fault) and what it ignores. The
// plain spellings (no TEXT, "-", --help, --version, --bogus, --strict, a second separator, a
// byte order mark starting or inside the stream) run end to end in the command line's own tests and the
// output guard. Then the JSON strings the reports write; last, the loop both reports run through.

#include <gtest/gtest.h>

#include <algorithm>
#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

#include "cli/InputLoop.h"
#include "cli/JsonWriter.h"
#include "cli/Options.h"
#include "cli/StrictInput.h"

namespace {

using namespace pexabit;

// One line for the whole parse: "error: ..." or the action, the mode, the flags and the inputs
// ("<stdin>" when the lines of standard input are read).
std::string Described(const std::vector<const char*>& arguments) {
    const CliParse parse = ParseCliOptions(arguments);
    if (!parse.Error.empty()) return "error: " + parse.Error;
    const CliOptions& o = parse.Options;
    if (o.Action != CliAction::Report) return o.Action == CliAction::Help ? "help" : "version";
    std::string out;
    if (o.Formats.empty()) {
        out = o.Input == CliInput::Decimal ? "decimal" : o.Input == CliInput::SingleHex ? "single-hex" : "double-hex";
    } else {
        out = "format=";
        for (const FloatFormat* f : o.Formats) out.append(out.back() == '=' ? "" : ",").append(f->Name);
        out += " round=" + std::string(RoundingModeName(o.Round)) + (o.Pattern ? " pattern" : "") + (o.BytesLe ? " bytes-le" : "");
        std::string keys;  // shown when some are left out
        for (std::size_t k = 0; k < ReportKeyCount; ++k) {
            if (o.Keys.Has(ReportKey(k))) keys.append(keys.empty() ? " keys=" : ",").append(ReportKeyNames[k]);
        }
        if (static_cast<std::size_t>(std::count(keys.begin(), keys.end(), ',')) + 1 < ReportKeyCount) out += keys;
        out += (o.Brief ? " brief" : "") + (o.Digits > 0 ? " digits=" + std::to_string(o.Digits) : "");
        if (o.From) out.append(" from=").append(o.From->Name);
        if (o.File) {
            out += " file=" + std::string(o.File->Path) + " offset=" + std::to_string(o.File->Offset) + " count=" +
                   std::to_string(o.File->Count.value_or(0)) + " stride=" + std::to_string(o.File->Stride.value_or(0));
        }
    }
    out += std::string(o.Json ? " json" : "") + (o.Strict ? " strict" : "");
    if (o.Texts.empty()) out += " | <stdin>";
    for (std::string_view text : o.Texts) out.append(" | ").append(text);
    return out;
}

TEST(CliOptions, EachOptionAndUsageError) {
    const struct {
        std::vector<const char*> Arguments;
        const char* Expected;
        const char* Reason;
    } cases[] = {
        {{"1", "-"}, "error: '-' (standard input) must be the only input", "\"-\" among inputs"},
        {{"--", "-"}, "decimal | <stdin>", "after -- \"-\" still means standard input, as in cat -- -"},
        {{"--", "--", "-1"}, "decimal | -- | -1", "after -- a second \"--\" and a negative number are texts"},
        {{"-5", "--5", "-e5", "-\u221E", "-0,5", "--json"}, "decimal json | -5 | --5 | -e5 | -\u221E | -0,5",
         "the window's characters make inputs; options may follow them"},
        {{"--json=1"}, "error: unknown option '--json=1'", "a flag takes no value"},
        {{"--formats", "all"}, "error: unknown option '--formats'", "an option that only starts like --format"},
        {{"--frmat", "all", "--round", "up"}, "error: unknown option '--frmat'",
         "a typo is named before the conflict it causes"},
        {{"--strict", "--single-hex", "-5"}, "error: unknown option '-5'", "hex patterns hold no sign"},
        {{"--single-hex", "--", "-5"}, "single-hex | -5", "after -- the hex refusal is the window's"},
        {{"--single-hex", "--double-hex"}, "error: --single-hex and --double-hex exclude each other", "two hex modes"},
        {{"--strict", "--double-hex"}, "error: --strict applies to the decimal input of the window report only",
         "strict is for decimal input"},
        {{"-x", "-h"}, "help", "help answers whatever else is given"},
        {{"-V", "--bogus"}, "version", "short version"},
        {{"--format", "all"}, "format=half,bfloat16,single,double,extended,quad,e5m2,e4m3 round=nearest-even | <stdin>",
         "all in report order"},
        {{"--format=double,half", "--round=toward-zero", "-inf", "-0x1p3", "-nan(0x1)", "-1.5e3", "- 1"},
         "format=double,half round=toward-zero | -inf | -0x1p3 | -nan(0x1) | -1.5e3 | - 1",
         "the every-format grammar's characters make inputs; the = forms"},
        {{"--format", "single", "--round", "nearest-away", "--round", "down"}, "format=single round=down | <stdin>",
         "the last --round counts"},
        {{"--format", "single,quadruple"},
         "error: unknown format 'quadruple' in --format (half, bfloat16, single, double, extended, quad, e5m2, e4m3 or "
         "all; --help lists their other names)",
         "an unknown format is named"},
        {{"--format", "single,"}, "error: unknown format '' in --format (half, bfloat16, single, double, extended, quad, "
         "e5m2, e4m3 or all; --help lists their other names)",
         "an empty name"},
        {{"--format", "binary16,fp16,f16,float16,bf16,binary32,fp32,f32,float,float32"},
         "format=half,half,half,half,bfloat16,single,single,single,single,single round=nearest-even | <stdin>",
         "each other name of the 16- and 32-bit formats is its format, reported by its own name"},
        {{"--format", "binary64,fp64,f64,float64,x87,float80,fp80,binary128,fp128,f128,float128"},
         "format=double,double,double,double,extended,extended,extended,quad,quad,quad,quad round=nearest-even | <stdin>",
         "each other name of the wide formats"},
        {{"--format", "fp8-e5m2,float8_e5m2,fp8-e4m3,float8_e4m3fn"},
         "format=e5m2,e5m2,e4m3,e4m3 round=nearest-even | <stdin>", "each other name of the 8-bit formats"},
        {{"--format=HALF,Bf16,FLOAT8_E4M3FN,All", "--round", "Toward-ZERO"},
         "format=half,bfloat16,e4m3,half,bfloat16,single,double,extended,quad,e5m2,e4m3 round=toward-zero | <stdin>",
         "names, other names, all and modes in any case"},
        {{"--format", "float8-e5m2"},
         "error: unknown format 'float8-e5m2' in --format (half, bfloat16, single, double, extended, quad, e5m2, e4m3 "
         "or all; --help lists their other names)",
         "'_' is not '-' (float8_e5m2): a name matches whole, only the case of its letters aside"},
        {{"--format", "e4m3", "--round", "UPWARD"},
         "error: unknown rounding mode 'UPWARD' for --round (nearest-even, nearest-away, toward-zero, up, down)",
         "an unknown mode is named as typed; a mode that only starts like one is no mode"},
        {{"--format"}, "error: --format needs a LIST", "LIST missing"},
        {{"--format", "half", "--round"}, "error: --round needs a MODE", "MODE missing"},
        {{"--format", "half", "--pattern", "--bytes-le", "--json", "3C00"},
         "format=half round=nearest-even pattern bytes-le json | 3C00", "pattern input of one format"},
        {{"--format", "half", "--pattern", "-3C00"}, "error: unknown option '-3C00'", "patterns hold no sign"},
        {{"--format", "half,single", "--pattern"}, "error: --pattern needs exactly one format in --format",
         "pattern of two formats"},
        {{"--format", "half", "--bytes-le"}, "error: --bytes-le needs --pattern, --from or --file", "bytes-le alone"},
        {{"--format", "all", "--from", "F32", "--bytes-le", "cdcccc3d"},
         "format=half,bfloat16,single,double,extended,quad,e5m2,e4m3 round=nearest-even bytes-le from=single | cdcccc3d",
         "--from takes a LIST and other names of its format"},
        {{"--format", "half", "--from", "single", "--pattern"}, "error: --from reads patterns of its FORMAT, --pattern those "
         "of the one format of --format: give one of them", "two sources of patterns"},
        {{"--format=e4m3", "--file=-", "--offset=0x1F", "--count", "3", "--stride", "20"},
         "format=e4m3 round=nearest-even file=- offset=31 count=3 stride=20 | <stdin>", "--file and its placement, hex offset, a digit 0"},
        {{"--format", "half", "--file", "a", "3C00"}, "error: --file reads its inputs from PATH: no TEXT besides it ('3C00')", "TEXT"},
        {{"--format", "extended", "--file", "a.bin", "--stride", "8"},
         "error: --stride 8 is less than the 10 bytes of an extended value: the values would overlap", "overlapping values"},
        {{"--format", "half", "--file", "a.bin", "--stride", "0"},
         "error: --stride needs a whole number, 1 or more (decimal, or hex after 0x), not '0'", "a stride of none"},
        {{"--format", "half", "--stride", "4"}, "error: --stride needs --file", "placement without a file"},

        {{"--round", "up", "1"}, "error: --round needs --format", "round without format"},
        {{"--pattern"}, "error: --pattern needs --format", "pattern without format"},
        {{"--bytes-le"}, "error: --bytes-le needs --format", "bytes-le without format"},
        {{"--format", "single", "--single-hex"},
         "error: --single-hex belongs to the window report, not to --format (which takes --pattern)",
         "the window report's hex mode with --format"},
        {{"--strict", "--format", "single"},
         "error: --strict applies to the decimal input of the window report only", "strict with format"},
        // What the every-format report shows: --keys, --brief, --digits.
        {{"--format", "half", "--keys", "exact,pattern,exact"}, "format=half round=nearest-even keys=format,pattern,exact | <stdin>",
         "keys in the report's order, not LIST's, each once"},
        {{"--format", "half", "--brief"}, "format=half round=nearest-even keys=format,pattern,exact,shortest brief digits=40 | <stdin>",
         "brief chooses its keys and 40 digits"},
        {{"--format", "half", "--brief", "--digits=7"}, "format=half round=nearest-even keys=format,pattern,exact,shortest brief digits=7 | <stdin>",
         "--digits overrides brief's 40"},
        {{"--format", "half", "--brief", "--keys", "exact"},
         "error: --brief and --keys exclude each other (--brief shows pattern, shortest and exact)", "brief has its own keys"},
        {{"--format", "half", "--digits", "0"},
         "error: --digits needs a whole number of significant digits from 1 on, not '0'", "no digits at all is no cut"},
        {{"--keys", "exact"}, "error: --keys needs --format", "the window report has no keys"},
        {{"--format", "half", "--digits"}, "error: --digits needs N", "N missing"},
    };
    for (const auto& c : cases) EXPECT_EQ(Described(c.Arguments), c.Expected) << c.Reason;
}

TEST(CliOptions, HelpNamesEveryOptionAndUsageErrorShowsUsage) {
    const std::string help = CliHelpText();
    for (const char* option : {"--json", "--strict", "--single-hex", "--double-hex", "--format LIST", "--round MODE",
                               "--pattern", "--bytes-le", "--keys LIST", "--brief", "--digits N", "--from FORMAT", "--file PATH",
                               "--offset BYTES", "--count VALUES", "--stride BYTES", "-h, --help", "-V, --version", "Exit status", "json.md",
                               "Window report:", "3F800001"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
    // How a usage error starts is seen in the command line's own tests; it ends naming --help.
    const std::string error = CliUsageErrorText("unknown option '-x'");
    EXPECT_NE(error.find("pexabit-cli --help"), std::string::npos) << error;
}

TEST(CliStrict, RefusesWhatIsNotANumberAndIgnoresBlanks) {
    using namespace std::string_view_literals;
    const struct {
        std::string_view Input;
        const char* Expected;  // the text converted, or the refusal after "Not a plain decimal number"
        const char* Reason;
    } cases[] = {
        {" \t1.5e3\t ", "1.5e3", "blanks and tabs at both ends dropped"},
        {"-,5", "-,5", "separator then digits"},
        {"5.", "5.", "digits then separator"},
        {"+1E-7", "+1E-7", "signed exponent"},
        {"-\u221E", "-\u221E", "signed infinity"},
        {"\u221E", "\u221E", "unsigned infinity"},
        {"1,5.3", " (character 4, '.'): a second decimal separator", "one kind of separator, once"},
        {"+-1", " (character 2, '-'): a sign stands only at the start of the number or of its exponent", "two signs"},
        {"1e5e3", " (character 4, 'e'): a second exponent", "second exponent"},
        {"1ee5", " (character 3, 'e'): a second exponent", "exponent mark twice, no digits between"},
        {"1e2.5", " (character 4, '.'): the exponent is a whole number", "fraction in the exponent"},
        {" \t ", ": the input is empty", "a blank line is empty once its blanks are dropped"},
        {".", " (at its end): no digits", "separator alone"},
        {"e5", " (character 1, 'e'): no digits before the exponent", "exponent alone"},
        {"1e+", " (at its end): the exponent has no digits", "exponent without digits"},
        {"1 000", " (character 2, ' '): a blank inside the number", "blank inside"},
        {"  12x", " (character 5, 'x'): not part of a decimal number", "positions count the dropped blanks"},
        {"abc", " (character 1, 'a'): a digit or a decimal separator was expected", "no number at all"},
        {"\u221E5", " (character 1, '\u221E'): the infinity sign stands alone, with at most a sign", "infinity and digits"},
        {"1\u00A0", " (character 2, U+00A0): not part of a decimal number", "a non-breaking space is no blank"},
        {"1\xFF", " (character 2, byte FF): not part of a decimal number", "a byte that starts no UTF-8"},
        {"1\x7F", " (character 2, U+007F): not part of a decimal number", "DEL is no printable character"},
        {"1\0"sv, " (character 2, U+0000): not part of a decimal number", "NUL is UTF-8, named by its code"},
    };
    for (const auto& c : cases) {
        const StrictDecimal checked = CheckStrictDecimal(c.Input);
        EXPECT_EQ(checked.Error.empty() ? std::string(checked.Text) : checked.Error.substr(26), c.Expected) << c.Reason;
    }
}

// Each text is a view into a longer line buffer, as the command line's inputs are: the
// word-at-a-time scan for plain bytes must read the text's own bytes and stop where an escape is
// due, at the text's end too.
TEST(JsonString, EscapesWhatJsonAndUtf8Require) {
    const struct {
        std::string Text, Expected;
        const char* Reason;
    } rows[] = {
        {"0123456789\x01" "ABCDEFGHIJ", "\"0123456789\\u0001ABCDEFGHIJ\"", "a control byte after a plain word"},
        {"abcdefgh\"ijklmnop\\q", "\"abcdefgh\\\"ijklmnop\\\\q\"", "a quote and a backslash at word edges"},
        {"\xE2\x88\x9E\xFF\x1F", "\"\xE2\x88\x9E\\ufffd\\u001f\"", "UTF-8 kept, a stray byte replaced, the last control"},
    };
    for (const auto& row : rows) {
        const std::string line = std::string(16, 'P') + row.Text + "PPPPPPPP";
        std::string out;
        AppendJsonString(out, std::string_view(line).substr(16, row.Text.size()));
        EXPECT_EQ(out, row.Expected) << row.Reason;
    }
}

// A stream in memory: a read takes two bytes of Bytes, so that the output is flushed between the
// lines; a write appends to Bytes, or fails with Error and leaves errno alone.
struct MemoryStream : ByteSource, ByteSink {
    std::string Bytes;
    int Error = 0;
    long Read(char* data, std::size_t size) override {
        const std::size_t n = Bytes.copy(data, std::min(size, std::size_t{2}));
        Bytes.erase(0, n);
        return static_cast<long>(n);
    }
    int Write(std::string_view bytes) override { return Error != 0 ? Error : (Bytes.append(bytes), 0); }
};

// The loop in-process, its streams in memory: the output fails with ENOSPC at the flush before the
// second read, and each input after that sets errno as a conversion may (1e309 sets ERANGE). The
// reason said is the one kept when the write failed.
TEST(InputLoop, SaysTheReasonKeptWhenTheOutputFailed) {
    MemoryStream lines, output, messages;
    lines.Bytes = "1\n2\n3\n";
    output.Error = ENOSPC;
    const int status = RunInputs({{}, lines, output, messages}, [](std::string_view, std::string& out) {
        errno = ERANGE;
        return out.append("answer\n"), true;
    });
    EXPECT_EQ(status, ExitFailure);
    EXPECT_EQ(messages.Bytes, "pexabit-cli: the output cannot be written: No space left on device\n");
}

}  // namespace
