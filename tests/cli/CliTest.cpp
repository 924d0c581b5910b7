// The command line as a user runs it, from arguments and from standard input: answers in place,
// the exit status (0 all converted, 1 some refused, 2 usage or a failing stream) and the reason
// of a failing stream. What the window report prints for each input is pinned by the output guard;
// the every-format report has rows of telling inputs here.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <sstream>
#include <utility>
#include <string>
#include <vector>

#include "TestFolder.h"

namespace {

using pexabit::test::ReadBytes;

class Cli : public ::testing::Test, public pexabit::test::TempFolder {
protected:
    // Runs pexabit-cli with `arguments` (shell text), standard input from the file `input`,
    // standard output into the file `output` and standard error into Root + "err"; returns the
    // exit status.
    int Run(const std::string& arguments, const std::string& input, const std::string& output) {
        const std::string command = std::string("'") + PEXABIT_CLI + "' " + arguments + " < '" + input + "' > '" +
                                    output + "' 2> '" + Root + "err'";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // Every piece found in `out`, each after the one before it.
    static void ExpectPieces(const std::string& out, const std::vector<std::string>& pieces, const char* reason) {
        std::size_t at = 0;
        for (const std::string& piece : pieces) {
            const std::size_t found = out.find(piece, at);
            ASSERT_NE(found, std::string::npos) << reason << ": no " << piece << " after offset " << at << " in\n"
                                                << out.substr(0, 4000);
            at = found + piece.size();
        }
    }
    // Writes `bytes` as the file "in" of the folder and returns its path.
    std::string Input(const std::string& bytes) {
        pexabit::test::WriteBytes(Root + "in", bytes);
        return Root + "in";
    }
};

TEST_F(Cli, AnswersEveryInputInPlace) {
    const struct {
        std::string Arguments, Input;   // standard input byte for byte
        int Status;
        std::ptrdiff_t Lines;           // output lines
        std::vector<std::string> Pieces;  // found in this order in the output
        const char* Reason;
    } cases[] = {
        {"--json --single-hex 7F800000 1234567G 3F800000", "", 1, 3,
         {"\"SingleExact\":\"+Infinity\"", R"({"input":"1234567G","error":"You misspelled hex-number"})",
          "{\"input\":\"3F800000\",\"OriginalNumber\":\"+1,0\""},
         "special, refused and finite patterns: a refused one makes the status 1"},
        {"--json", "0.1\n\n1e39\r\nbad\n-2", 1, 5,
         {"\"input\":\"0.1\"", "\n{\"input\":\"\",", "\n{\"input\":\"1e39\",", "\n{\"input\":\"bad\",\"error\"",
          "\n{\"input\":\"-2\","},
         "standard input line by line: an empty line is an input, CR dropped, no final newline needed"},
        {"--json", "", 0, 0, {}, "no input at all"},
        {"--json --strict", "\xEF\xBB\xBF" "0.1\n 2 \n1.5.3\n\xEF\xBB\xBF" "1", 1, 4,
         {"{\"input\":\"0.1\",\"OriginalNumber\":\"+0,1\"", "\n{\"input\":\" 2 \",\"OriginalNumber\":\"+2\"",
          "\n{\"input\":\"1.5.3\",\"error\":\"Not a plain decimal number (character 4, '.'): a second decimal separator\"}",
          "\n{\"input\":\"\xEF\xBB\xBF" "1\",\"error\":\"Not a plain decimal number (character 1, U+FEFF)"},
         "strict: the byte order mark starting the stream and blanks at the ends are ignored, a malformed line refused"},
        {"--json", "\xEF\xBB\xBF" "0.1", 0, 1, {"{\"input\":\"0.1\",\"OriginalNumber\":\"+0,1\""},
         "the byte order mark starting the stream is dropped before the window's character check would refuse it"},
        {"--json --double-hex", "\xEF\xBB\xBF" "3FF0000000000000\n", 0, 1,
         {"{\"input\":\"3FF0000000000000\",\"OriginalNumber\":\"+1,0\""},
         "the byte order mark starting the stream is dropped before a pattern's length is counted"},
        {"--json -", "0.1", 0, 1, {"{\"input\":\"0.1\""}, "\"-\" reads standard input"},
        {"", "\x1B[2J1\n1\xFF\n", 1, 6,
         {"Input:                  \\x1B[2J1\nRejected:", "Input:                  1\\xFF\nRejected:"},
         "the readable report writes out the ESC and the byte that is not UTF-8 it echoes, not obeyed by a terminal"},
        {"--json -- -", "0.1", 0, 1, {"{\"input\":\"0.1\""}, "\"-\" after -- reads standard input, not the text \"-\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.Arguments, Input(c.Input), Root + "out"), c.Status) << c.Reason;
        const std::string out = ReadBytes(Root + "out");
        EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), c.Lines) << c.Reason;
        ExpectPieces(out, c.Pieces, c.Reason);
    }
}

// pexabit-cli --format: rows of telling inputs with the pieces of the answer each must contain
// (in order), and the exit status of refusals.
struct ReportRow {
    const char* Reason;
    const char* Arguments;
    std::string Input;  // standard input
    int Status;
    std::vector<std::string> Pieces;
};

const ReportRow FormatRows[] = {
    {"each format rounded from the text once, in LIST's order", "--format all --json 0.1", "", 0,
     {R"("pattern":"2E66")", R"("pattern":"3DCD")", R"("pattern":"3DCCCCCD")", R"("pattern":"3FB999999999999A")",
      R"("pattern":"3FFBCCCCCCCCCCCCCCCD")", R"("pattern":"3FFB999999999999999999999999999A")",
      R"("pattern":"2E")", R"("pattern":"1D")"}},
    {"exact value, error and relative error of 0.1", "--format double --json 0.1", "", 0,
     {R"("exact":"0.1000000000000000055511151231257827021181583404541015625")",
      R"("shortest":"0.1","hexfloat":"0x1.999999999999ap-4")",
      R"("error":"-0.0000000000000000055511151231257827021181583404541015625","relative_error":"-5.5511151231257827e-17","inexact":true)"}},
    {"half's largest value, and the tie above it overflows to even", "--format half --json 65504 65520", "", 0,
     {R"("pattern":"7BFF")", R"("inexact":false,"underflow":false,"overflow":false)", R"("pattern":"7C00")",
      R"("error":null,"relative_error":null,"inexact":true,"underflow":false,"overflow":true)"}},
    {"e4m3 has no infinity: overflow and inf give its NaN with the typed sign; 464 is a tie that only the chosen "
     "mode sends past 448",
     "--format e4m3 --round nearest-away --json 464 -inf", "", 0,
     {R"("round":"nearest-away")", R"("pattern":"7F")", R"("class":"quiet_nan")", R"("overflow":true,"nan_payload":"3")",
      R"("pattern":"FF")", R"("overflow":true)"}},
    {"NaN kinds, payloads, negative zero and infinity", "--format double --json 'nan(0x1)' snan -0 inf", "", 0,
     {R"("pattern":"7FF8000000000001")", R"("class":"quiet_nan","exact":"nan")", R"("nan_payload":"1")",
      R"("pattern":"7FF0000000000001")", R"("class":"signalling_nan")", R"("nan_payload":"1")",
      R"("pattern":"8000000000000000")", R"("exact":"-0","exact_binary":"-0")", R"("error":"0")",
      R"("pattern":"7FF0000000000000")", R"("exact":"inf")", R"("error":null)"}},
    {"a subnormal: minimum exponent, underflow", "--format double --json 1e-310", "", 0,
     {R"("pattern":"000012688B70E62B")", R"("exponent":-1022)", R"("class":"subnormal")",
      R"("underflow":true)"}},
    {"a zero typed value has no relative error", "--format half --json 0", "", 0,
     {R"("error":"0","relative_error":null)"}},
    {"patterns least significant byte first, any case, optional 0x",
     "--format single --pattern --bytes-le --json 0000803f 0x0000803F", "", 0,
     {R"("pattern":"3F800000","bytes_le":"0000803F")", R"("exact":"1")", R"("error":null)",
      R"("pattern":"3F800000")"}},
    {"extended's unnormal, pseudo-denormal and pseudo-infinity",
     "--format extended --pattern --json 3FFF4000000000000000 00008000000000000001 7FFF0000000000000000", "", 0,
     {R"("exponent":0,"integer_bit":0)", R"("class":"noncanonical","exact":"nan")", R"("next_up":null)",
      R"("exponent":-16382,"integer_bit":1)", R"("class":"noncanonical","exact":"0.0000)",
      R"("exponent":null,"integer_bit":0)", R"("class":"noncanonical","exact":"nan")"}},
    {"refused patterns answer in place, status 1; a bare 0x is a prefix with no digits after it; blanks around "
     "a pattern are dropped", "--format half --pattern --json", "3C00\n3C0\n3C0\xC3\xA9\n0x\n\t0x3c00 \n", 1,
     {R"("pattern":"3C00")", R"({"input":"3C0","error":"a half pattern has 4 hex digits, not 3"})",
      "{\"input\":\"3C0\xC3\xA9\",\"error\":\"unexpected character '\xC3\xA9' at position 4: expected a hex digit\"}",
      R"({"input":"0x","error":"a half pattern has 4 hex digits, not 0"})", R"("pattern":"3C00")"}},
    {"a byte order mark starting the stream is dropped; one inside it stays and is refused", "--format half --json",
     "\xEF\xBB\xBF" "1.5\n\xEF\xBB\xBF" "1.5\n", 1,
     {R"({"input":"1.5","round":)", "{\"input\":\"\xEF\xBB\xBF" "1.5\",\"error\":\"unexpected character '\xEF\xBB\xBF'"}},
    {"a byte order mark starting the stream is dropped before a pattern", "--format half --pattern --json",
     "\xEF\xBB\xBF" "3C00", 0, {R"({"input":"3C00","round":"nearest-even","formats":[{"format":"half","pattern":"3C00")"}},
    {"\"-\" after -- reads standard input, not the text \"-\"", "--format half --json -- -", "1.5", 0,
     {R"({"input":"1.5","round":)"}},
    {"the readable block writes out the ESC, the byte that is not UTF-8 and the C1 control it echoes, the refusal's "
     "quoted character too", "--format half", "\x1B[2J1\n1\xFF\n1\xC2\x9B\n", 1,
     {"Input:            \\x1B[2J1\nRefused:", "Input:            1\\xFF\nRefused:          unexpected byte 0xFF",
      "Input:            1\\u{9B}\nRefused:          unexpected character '\\u{9B}'"}},
    {"the article before a format's name follows its first letter", "--format extended --pattern --json 3FFF", "", 1,
     {R"("error":"an extended pattern has 20 hex digits, not 4")"}},
    {"--from: the error against the source pattern's exact value (single 0.1, not the decimal 0.1)",
     "--format bfloat16,double --from single --json 3DCCCCCD", "", 0, {R"("pattern":"3DCD")",
      R"("error":"-0.000097654759883880615234375")", R"("pattern":"3FB99999A0000000")", R"("error":"0","relative_error":"0")"}},
    {"--from byte-reversed; extended's unnormal has no value: a NaN, as its pattern report says", "--format half --from extended "
     "--bytes-le --json 0000000000000080FF3F 00000000000000403FFF", "", 0, {R"("pattern":"3C00")", R"("pattern":"7E00")"}},
    {"the readable block", "--format half 1.5", "", 0,
     {"Input:", "Round:            nearest-even", "half              3E00", "fraction        200 = 1000000000",
      "exact           1.5", "flags           none"}},
    {"the readable block of a format that cannot hold the NaN: its name and why, no stale lines",
     "--format e5m2,e4m3 snan", "", 1,
     {"e5m2              7D", "flags", "\ne4m3\n  cannot hold:    e4m3 has no signalling NaN: its one NaN is S.1111.111\n\n"}},
    {"exponents of a million characters, longer than an argument may be, on standard input: zeros ahead of "
     "10^-1074, whose error is written; 10^-(10^999990 - 1), whose error's digits are counted and whose relative "
     "error has an exponent of a million digits; a hex float whose ratio to the stored value is out of reach",
     "--format double --round up --json",
     "1e-" + std::string(999996, '0') + "1074\n1e-" + std::string(999990, '9') + "\n0x1p-99999999999999999999\n", 0,
     {R"("pattern":"0000000000000001")", R"("error":"-0.000000)", R"("inexact":true,"underflow":true)",
      R"("pattern":"0000000000000001")", "\"error\":null,\"error_digits\":\"" + std::string(999987, '9') + "676\"",
      "\"relative_error\":\"-4.9406564584124654e+" + std::string(999987, '9') + "675\"",
      R"("error":null,"error_digits":"99999999999999999676","relative_error":null)"}},
    {"far below double and above it: an error counted from the smallest value's first digit to 10^-99999999999, "
     "one from 10^99999999999's (but one) to the largest value's last, one that is the typed value",
     "--format double --round up 1e-99999999999 -1e99999999999 -1e-99999999999", "", 0,
     {"error           not written: 99999999676 significant digits, more than the 4194304 (4 MiB) Pexabit writes out",
      "relative_error  -4.9406564584124654e+99999999675", "flags           inexact underflow",
      "error           not written: 99999999999 significant digits", "relative_error  1.0000000000000000e+00",
      "flags           inexact overflow", "error           -1e-99999999999", "relative_error  1.0000000000000000e+00"}},
    // --keys, --digits, --brief: only what was asked, cut where asked.
    {"JSON keeps format and the chosen keys; an error asked without exact is still measured", "--format single,double "
     "--json --keys error,pattern 0.1", "", 0, {R"([{"format":"single","pattern":"3DCCCCCD","error":"-0.000000001490116119384765625"},)",
      R"({"format":"double","pattern":"3FB999999999999A","error":"-0.0000000000000000055511151231257827021181583404541015625"}]})"}},
    {"the text's lines that hold the keys: exponent for biased_exponent, flags for underflow; the name alone without "
     "pattern", "--format double --keys biased_exponent,underflow 0.1", "", 0,
     {"nearest-even\ndouble\n  exponent        -4 (biased 1019)\n  flags           inexact\n\n"}},
    {"a cut integer in scientific form, the digits left out said; a short text stays whole", "--format double "
     "--digits 5 1e300", "", 0, {"exact           1.0000...e+300 (296 more digits)", "shortest        1e+300\n",
      "ulp             1.4870...e+284 (280 more digits)", "error           -5.2504...e+283 (279 more digits)"}},
    {"a cut fraction stays plain; in JSON without the note, its whole count beside it, none beside an uncut key",
     "--format double --json --digits 10 0.1", "", 0,
     {R"("exact":"0.1000000000...","exact_digits":"55","exact_binary":"0.0001100110011...","exact_binary_digits":"52","shortest")",
      R"("error":"-5.551115123...e-18","error_digits":"38","relative_error")"}},
    {"brief: one line per format in columns, the exact value cut to 40 digits", "--format single,double --brief 0.1", "", 0,
     {"single  3DCCCCCD          0.1  (exact 0.100000001490116119384765625)\n"
      "double  3FB999999999999A  0.1  (exact 0.1000000000000000055511151231257827021181... (15 more digits))\n"}},
    {"brief from a file: one line per value and format, each with its offset; a short end said on one line",
     "--format single,half --from single --file - --brief", "\x40\x49\x0F\xDB\x01", 1,
     {"at 0  single  40490FDB  3.1415927  (exact 3.1415927410125732421875)\nat 0  half    4248      3.14  (exact 3.140625)\n",
      "at 4  refused  01  (the file ends after 1 of the 4 bytes of this value; nothing is padded)\n"}},
    {"brief JSON: format, pattern, exact and shortest", "--format double --brief --json 0.1", "", 0,
     {R"([{"format":"double","pattern":"3FB999999999999A","exact":"0.1000000000000000055511151231257827021181...",)"
      R"("exact_digits":"55","shortest":"0.1"}]})"}},
};

TEST_F(Cli, FormatReportAnswers) {
    for (const ReportRow& row : FormatRows) {
        EXPECT_EQ(Run(row.Arguments, Input(row.Input), Root + "out"), row.Status) << row.Reason;
        ExpectPieces(ReadBytes(Root + "out"), row.Pieces, row.Reason);
    }
}

// --file: the stored values of the file "in" (or of standard input), each with its offset; a file
// shorter than asked is reported short once, status 1, never padded. Answers: pieces of the
// answers in order, one per line.
TEST_F(Cli, ReadsStoredValuesFromAFile) {
    using namespace std::string_literals;
    const std::string longDoubles = std::string(7, '\0') + "\x80\xFF\x3F" + std::string(13, '\0') + "\xC0\x00\x40"s + std::string(6, '\0');
    const struct {
        std::string Bytes;
        const char *Arguments, *Reason;
        int Status;
        std::vector<std::string> Answers;
    } cases[] = {
        {"\x3F\x80\x00\x00\x0A\x0B"s, "--format single", "a partial last value", 1, {R"("input":"3F800000","offset":0)",
         R"({"input":"0A0B","offset":4,"error":"the file ends after 2 of the 4 bytes of this value; nothing is padded"})"}},
        {"\x3C\x00\x0A\x3C"s, "--format half --count 3", "fewer values than --count, a line break among the bytes", 1,
         {R"("input":"3C00","offset":0)", R"("input":"0A3C","offset":2)", R"({"input":"","offset":4,"error":"the file ends at byte 4, after 2 of the 3 values --count asks for"})"}},
        {"\x3C\x00\x0A\x3C"s, "--format half --offset 4 --count 1", "a file that ends at --offset: not before it", 1,
         {R"({"input":"","offset":4,"error":"the file ends at byte 4, after 0 of the 1 values --count asks for"})"}},
        {"..\x01\x3C..\x02\x3C.", "--format half --bytes-le --offset 0x2 --stride 4", "gaps skipped; the file ending in one is not short",
         0, {R"("input":"013C","offset":2,"round":"nearest-even","formats":[{"format":"half","pattern":"3C01")", R"("input":"023C","offset":6)"}},
        {longDoubles, "--format extended --bytes-le --stride 16", "x86-64 long double: 10 bytes every 16", 0,
         {R"("offset":0,"round":"nearest-even","formats":[{"format":"extended","pattern":"3FFF8000000000000000")",
          R"("offset":16,"round":"nearest-even","formats":[{"format":"extended","pattern":"4000C000000000000000")"}},
        {"\x3F\x80\x00\x00"s, "--format double --from single --file -", "standard input as bytes, into --from", 0,
         {R"("input":"3F800000","offset":0,"round":"nearest-even","formats":[{"format":"double","pattern":"3FF0000000000000")"}},
    };
    for (const auto& c : cases) {
        const std::string file = Input(c.Bytes), arguments = std::string(c.Arguments) + " --json";
        EXPECT_EQ(Run(arguments + (arguments.find("--file") == std::string::npos ? " --file " + file : ""), file, Root + "out"), c.Status) << c.Reason;
        const std::string out = ReadBytes(Root + "out");
        EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), static_cast<std::ptrdiff_t>(c.Answers.size())) << c.Reason;
        ExpectPieces(out, c.Answers, c.Reason);
    }
}

// A NaN that some formats of List cannot hold: each that can answers, each that cannot has only
// {"format":NAME,"refusal":...} with what it says as a list of its own; if none can, the input is
// refused. First: the first answering format's pattern, or the input's error when none answers.
const struct NanRow {
    const char *Reason, *Input, *List, *Refused, *First;
    int Status;
} NanRows[] = {
    {"e4m3 has no signalling NaN; the seven others still answer", "snan", "all", "e4m3", "7C01", 1},
    {"e4m3 carries no payload", "nan(0x1)", "all", "e4m3", "7E01", 1},
    {"a format refusing first stops none after it: 0x2 fits half, not e5m2's 1 bit", "nan(0x2)", "e5m2,half", "e5m2",
     "7E02", 1},
    {"each format by its own width: 0x1ff is too wide for bfloat16 (6 bits) and e5m2", "nan(0x1ff)", "all",
     "bfloat16,e5m2,e4m3", "7FFF", 1},
    {"a negative NaN keeps its sign where it is held", "-snan", "all", "e4m3", "FC01", 1},
    {"only formats that cannot hold it: refused whole as before", "snan", "e4m3", "e4m3",
     "e4m3 has no signalling NaN: its one NaN is S.1111.111", 1},
    {"a NaN every format holds: no refusal, status 0", "nan", "all", "", "7E00", 0},
};

TEST_F(Cli, NanSomeFormatsCannotHold) {
    for (const NanRow& row : NanRows) {
        const auto json = [&](const std::string& list) {
            return Run("--format " + list + " --json '" + row.Input + "'", Input(""), Root + "out");
        };
        EXPECT_EQ(json(row.List), row.Status) << row.Reason;
        const std::string out = ReadBytes(Root + "out"), whole = R"({"input":")" + std::string(row.Input) + R"(","error":")";
        std::vector<std::string> pieces;
        std::string first = R"(,"pattern":")" + std::string(row.First), list = "," + std::string(row.Refused) + ",";
        std::istringstream names(std::string(row.List) == "all" ? "half,bfloat16,single,double,extended,quad,e5m2,e4m3" : row.List);
        for (std::string name; std::getline(names, name, ',');) {
            pieces.push_back(R"({"format":")" + name + "\"");
            if (list.find("," + name + ",") == std::string::npos) {
                pieces.back() += std::exchange(first, R"(,"pattern":")");
            } else {
                json(name);  // the format as a list of its own: whole, its message, "}\n
                const std::string alone = ReadBytes(Root + "out");
                pieces.back().append(R"(,"refusal":")").append(alone, whole.size(), alone.size() - whole.size() - 1);
            }
        }
        if (std::string(row.Refused) == row.List) pieces = {whole + row.First + "\"}\n"};  // refused whole
        ExpectPieces(out, pieces, row.Reason);
    }
}

// Everything but a report: help, version, usage errors and failing streams with their status (2
// for a usage error or a failing stream). Out: how standard output starts ("" = it stays empty,
// not read from /dev/full); Err: how standard error starts.
TEST_F(Cli, AnswersWithoutAReport) {
    const struct {
        std::string Arguments, Input, Output;
        int Status;
        const char *Out, *Err, *Reason;
    } cases[] = {
        {"--version", "", "out", 0, "pexabit-cli " PEXABIT_VERSION "\n", "", "the version of the CMake project"},
        {"--bogus 0.1", "", "out", 2, "", "pexabit-cli: unknown option '--bogus'\nusage: pexabit-cli",
         "no report after a usage error"},
        {"--help", "", "/dev/full", 2, "", "pexabit-cli: the output cannot be written", "help that cannot be written"},
        {"", "0.1\n" + std::string(300 * 4 - 4, '\n') + "1e309\n", "/dev/full", 2, "",
         "pexabit-cli: the output cannot be written: No space left on device",
         "a full output device: the reason of the failed write, not a later errno (1e309 sets ERANGE)"},
        {"", "<folder>", "out", 2, "", "pexabit-cli: standard input cannot be read",
         "a folder as standard input: not to be taken as an empty stream"},
        {"--format half --keys pattern,flags 1", "", "out", 2, "", "pexabit-cli: unknown key 'flags' in --keys (format, "
         "pattern, bytes_le,", "a text line's name is no key: the unknown key named, the valid ones listed"},
        {"--format half --file /nonexistent/in", "", "out", 2, "",
         "pexabit-cli: '/nonexistent/in' cannot be opened: No such file or directory", "--file that is not there"},
        {"--format half --file /", "", "out", 2, "", "pexabit-cli: '/' cannot be read: Is a directory",
         "--file that is a folder: not an empty file"},
    };
    for (const auto& c : cases) {
        const std::string output = c.Output[0] == '/' ? c.Output : Root + c.Output;
        EXPECT_EQ(Run(c.Arguments, c.Input == "<folder>" ? Root : Input(c.Input), output), c.Status) << c.Reason;
        const std::string out = c.Output[0] == '/' ? "" : ReadBytes(output), err = ReadBytes(Root + "err");
        EXPECT_EQ(out.rfind(c.Out, 0), 0U) << c.Reason << ": " << out;
        EXPECT_TRUE(*c.Out != '\0' || out.empty()) << c.Reason << ": " << out;
        EXPECT_EQ(err.rfind(c.Err, 0), 0U) << c.Reason << ": " << err;
    }
}

}  // namespace
