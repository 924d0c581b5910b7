// The whole command line, everyday sizes: arguments and standard input whose typed values all
// have at most 40 digits and an exponent a few hundred places beyond the Double's range.
// Inputs with a value beyond those are CommandLineHugeFuzz's.
#include "CommandLineCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    pexabit::fuzz::CheckCommandLine(data, size, pexabit::fuzz::InputSizes::Everyday);
    return 0;
}
