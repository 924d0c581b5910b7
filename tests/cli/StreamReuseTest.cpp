// A stream of inputs runs through one OperationResult, which keeps its texts' storage from one
// input to the next. Each report must be the one a fresh result gives: nothing of an earlier,
// longer or different input may show through.

#include <gtest/gtest.h>

#include <string>

#include "cli/Operation.h"
#include "cli/Reports.h"

namespace pexabit {
namespace {

struct Step {
    std::optional<PatternFormat> Hex;  // nullopt: a decimal text
    std::string Input;
    const char* Reason;
};

constexpr auto S = PatternFormat::Single;
constexpr auto D = PatternFormat::Double;

// Ordered so that every kind of result follows every other kind at least once.
const Step Stream[] = {
    {D, "0000000000000001", "the longest Double texts first"},
    {D, "3FF0000000000000", "short texts after long ones"},
    {D, "7FF0000000000000", "a special pattern after a conversion"},
    {D, "3FB99999999999", "a refused pattern after a conversion: only the message"},
    {D, "7FEFFFFFFFFFFFFF", "the Single overflows: two differences absent"},
    {D, "3FB999999999999A", "every difference present again"},
    {std::nullopt, "1 2", "a refused decimal text"},
    {std::nullopt, "1e-40000", "a long decimal text: both formats zero"},
    {std::nullopt, "1e39", "the Single overflows from a typed text"},
    {S, "7FC00000", "a Single NaN"},
    {S, "00000001", "a Single subnormal after its NaN"},
};

std::string Reports(const std::string& input, const OperationResult& result) {
    std::string out;
    AppendJsonReport(out, input, result);
    AppendTextReport(out, input, result);
    return out;
}

TEST(StreamReuseTest, EveryReportAsFromAFreshResult) {
    for (const bool json : {true, false}) {
        OperationResult reused;
        for (const Step& step : Stream) {
            CliMode mode;
            mode.Json = json;
            mode.Hex = step.Hex;
            RunOperation(step.Input, mode, reused);
            const OperationResult fresh = RunOperation(step.Input, mode);
            EXPECT_EQ(reused.Outcome, fresh.Outcome) << step.Reason;
            EXPECT_EQ(Reports(step.Input, reused), Reports(step.Input, fresh)) << step.Reason;
        }
    }
}

}  // namespace
}  // namespace pexabit
