// The every-format report's --pattern path, everyday sizes: patterns of every format whose value
// lies within a few hundred binary places of the Double's range. Extended's and quad's far
// values are EveryFormatPatternHugeFuzz's.
#include "EveryFormatPatternCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    pexabit::fuzz::CheckEveryFormatPattern(data, size, pexabit::fuzz::InputSizes::Everyday);
    return 0;
}
