// The every-format report's --pattern path, huge sizes: extended's and quad's patterns whose
// value lies far beyond the Double's range, with exact texts of thousands of digits, the
// patterns EveryFormatPatternFuzz leaves out, with the same checks.
#include "EveryFormatPatternCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    pexabit::fuzz::CheckEveryFormatPattern(data, size, pexabit::fuzz::InputSizes::Huge);
    return 0;
}
