// Every one of the 2^32 single patterns: the shortest text must be exactly what std::to_chars
// writes for the float, and strtof must read it back to the same pattern (NaNs: no text).
// Not a ctest: it takes minutes. Usage: pexabit-exhaustive-single [threads] (default 1).
#include <bit>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "format/Shortest.h"

namespace {

constexpr std::uint64_t PatternCount = std::uint64_t{1} << 32;
constexpr int ReportedMismatches = 20;

std::mutex reportLock;

// One pattern; false (and a line on stderr) on a mismatch.
bool Check(std::uint32_t pattern) {
    const float value = std::bit_cast<float>(pattern);
    char rule[pexabit::ShortestTextCapacity];
    const char* end = pexabit::WriteShortestTextByRule(pexabit::SingleFormat, pexabit::DecodePattern(pexabit::SingleFormat, pattern), rule);
    const std::optional<std::string> text = end == nullptr ? std::nullopt : std::optional<std::string>(std::string(static_cast<const char*>(rule), end));
    if (std::isnan(value)) return !text.has_value();
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    const bool same = text && *text == std::string_view(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const bool readsBack = text && std::bit_cast<std::uint32_t>(std::strtof(text->c_str(), nullptr)) == pattern;
    return same && readsBack;
}

struct Tally {
    std::uint64_t Checked = 0, Mismatches = 0;
};

void Sweep(std::uint64_t first, std::uint64_t last, Tally& tally) {
    for (std::uint64_t p = first; p < last; ++p) {
        ++tally.Checked;
        if (Check(static_cast<std::uint32_t>(p))) continue;
        const std::lock_guard<std::mutex> lock(reportLock);
        if (++tally.Mismatches <= ReportedMismatches) std::fprintf(stderr, "mismatch at %08llX\n", static_cast<unsigned long long>(p));
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int threads = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    std::vector<Tally> tallies(static_cast<std::size_t>(threads));
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        const std::uint64_t first = PatternCount * static_cast<std::uint64_t>(t) / static_cast<std::uint64_t>(threads);
        const std::uint64_t last = PatternCount * static_cast<std::uint64_t>(t + 1) / static_cast<std::uint64_t>(threads);
        workers.emplace_back(Sweep, first, last, std::ref(tallies[static_cast<std::size_t>(t)]));
    }
    Tally total;
    for (int t = 0; t < threads; ++t) {
        workers[static_cast<std::size_t>(t)].join();
        total.Checked += tallies[static_cast<std::size_t>(t)].Checked;
        total.Mismatches += tallies[static_cast<std::size_t>(t)].Mismatches;
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    std::printf("%llu single patterns checked on %d thread(s) in %.1f s (%.1f s of processor time): %llu mismatches\n",
                static_cast<unsigned long long>(total.Checked), threads, elapsed.count(), cpu,
                static_cast<unsigned long long>(total.Mismatches));
    return total.Mismatches == 0 && total.Checked == PatternCount ? EXIT_SUCCESS : EXIT_FAILURE;
}
