// The every-format report of one input in all eight formats, on the inputs the formats window
// finds hardest beside an everyday one: 0.1; 1e-4950 (an exact extended text of 16,447
// characters); quad's largest value written out exactly (4,933 digits); and a 1,000-digit text.
// The window answers within a frame when this stays under a few milliseconds, and hands the
// slower inputs to its worker thread. And values far beyond every format rounded up, whose
// errors of billions of digits are measured, never written out: they answer in milliseconds.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "report/FormatReport.h"
#include "report/PlainExactTexts.h"

namespace pexabit {
namespace {

std::string Everyday() { return "0.1"; }
std::string Tiny() { return "1e-4950"; }

// (2 - 2^-112) x 2^16383, every digit.
std::string QuadLargest() {
    const Bits128 largest = (Bits128{0x7FFEFFFFFFFFFFFF} << 64) | Bits128{0xFFFFFFFFFFFFFFFF};
    std::string text;
    WritePlainDecimal(DecodePattern(QuadFormat, largest), text);
    return text;
}

// 1,000 digits from a fixed seed, the point after the first.
std::string ThousandDigits() {
    std::mt19937 rng(20261206);
    std::string text = "3.";
    while (text.size() < 1001) text += char('0' + rng() % 10);
    return text;
}

void BM_FormatReportAllFormats(benchmark::State& state, std::string (*input)()) {
    const std::string text = input();
    const ReportRequest request{{AllFormats.begin(), AllFormats.end()}, RoundingMode::NearestEven};
    InputReport report;
    for (auto _ : state) {
        BuildReport(text, request, report);
        benchmark::DoNotOptimize(report.Formats.data());
    }
}
void BM_FarExponentRoundedUp(benchmark::State& state, const char* text) {
    const ReportRequest request{{AllFormats.begin(), AllFormats.end()}, RoundingMode::Up};
    InputReport report;
    for (auto _ : state) {
        BuildReport(text, request, report);
        benchmark::DoNotOptimize(report.Formats.data());
    }
}
BENCHMARK_CAPTURE(BM_FarExponentRoundedUp, decimal_1e_minus_99999999999, "1e-99999999999")->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_FarExponentRoundedUp, hex_0x1p_minus_99999999999, "0x1p-99999999999")->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_FormatReportAllFormats, everyday_0_1, &Everyday)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_FormatReportAllFormats, tiny_1e_4950, &Tiny)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_FormatReportAllFormats, quad_largest, &QuadLargest)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_FormatReportAllFormats, thousand_digits, &ThousandDigits)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace pexabit
