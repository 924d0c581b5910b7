// pexabit-cli --format as a user runs it: rows of telling inputs with the pieces of the answer
// each must contain (in order), and the exit statuses of refusals and usage errors.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct CliRun {
    std::string Out;
    int Status = -1;
};

// Runs pexabit-cli through the shell; `arguments` is shell text, `input` (no single quotes) goes
// to stdin.
CliRun RunCli(const std::string& arguments, const std::string& input) {
    const std::string command = "printf '%s' '" + input + "' | '" + PEXABIT_CLI + "' " + arguments + " 2>/dev/null";
    CliRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.Out.append(buffer, n);
    run.Status = WEXITSTATUS(::pclose(pipe));
    return run;
}

struct Row {
    const char* Reason;
    const char* Arguments;
    const char* Input;  // standard input
    int Status;
    std::vector<std::string> Pieces;  // found in this order in the output
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.Reason; }

class ReportRows : public ::testing::TestWithParam<Row> {};

TEST_P(ReportRows, AnswerHoldsItsPieces) {
    const Row& row = GetParam();
    const CliRun run = RunCli(row.Arguments, row.Input);
    EXPECT_EQ(run.Status, row.Status) << row.Reason;
    std::size_t at = 0;
    for (const std::string& piece : row.Pieces) {
        const std::size_t found = run.Out.find(piece, at);
        ASSERT_NE(found, std::string::npos) << row.Reason << ": no " << piece << " after offset " << at << " in\n"
                                            << run.Out.substr(0, 4000);
        at = found + piece.size();
    }
}

const Row Rows[] = {
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
    {"toward zero the same tie stays finite", "--format half --round toward-zero --json 65520", "", 0,
     {R"("round":"toward-zero")", R"("pattern":"7BFF")", R"("error":"16")", R"("overflow":false)"}},
    {"e4m3 has no infinity: overflow and inf give its NaN with the typed sign",
     "--format e4m3 --round nearest-away --json 464 -inf", "", 0,
     {R"("pattern":"7F")", R"("class":"quiet_nan")", R"("overflow":true,"nan_payload":"3")", R"("pattern":"FF")",
      R"("overflow":true)"}},
    {"NaN kinds, payloads, negative zero and infinity", "--format double --json 'nan(0x1)' snan -0 inf", "", 0,
     {R"("pattern":"7FF8000000000001")", R"("class":"quiet_nan","exact":"nan")", R"("nan_payload":"1")",
      R"("pattern":"7FF0000000000001")", R"("class":"signalling_nan")", R"("nan_payload":"1")",
      R"("pattern":"8000000000000000")", R"("exact":"-0","exact_binary":"-0")", R"("error":"0")",
      R"("pattern":"7FF0000000000000")", R"("exact":"inf")", R"("error":null)"}},
    {"a NaN one format of the list cannot hold refuses the input and names that format",
     "--format all --json snan", "", 1,
     {R"("error":"e4m3 has no signalling NaN: its one NaN is S.1111.111; leave e4m3 out of the list to see the others")"}},
    {"a subnormal: minimum exponent, underflow", "--format double --json 1e-310", "", 0,
     {R"("pattern":"000012688B70E62B")", R"("exponent":-1022)", R"("class":"subnormal")",
      R"("underflow":true)"}},
    {"an error past 10,000 plain characters is scientific", "--format double --json 1e-20000", "", 0,
     {R"("pattern":"0000000000000000")", R"("error":"1e-20000","relative_error":"1.0000000000000000e+00")"}},
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
     "a pattern are dropped", "--format half --pattern --json", "3C00\n3C0\n3C0G\n0x\n\t0x3c00 \n", 1,
     {R"("pattern":"3C00")", R"({"input":"3C0","error":"a half pattern has 4 hex digits, not 3"})",
      R"({"input":"3C0G","error":"unexpected character 'G' at position 4: expected a hex digit"})",
      R"({"input":"0x","error":"a half pattern has 4 hex digits, not 0"})", R"("pattern":"3C00")"}},
    {"the readable block", "--format half 1.5", "", 0,
     {"Input:", "Round:            nearest-even", "half              3E00", "fraction        200 = 1000000000",
      "exact           1.5", "flags           none"}},
    // Every usage error takes the same way out; their messages are the option parser's rows.
    {"a usage error: status 2", "--format quarter 1", "", 2, {}},
};

INSTANTIATE_TEST_SUITE_P(Cli, ReportRows, ::testing::ValuesIn(Rows));

}  // namespace
