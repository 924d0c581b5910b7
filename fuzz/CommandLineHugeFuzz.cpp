// The whole command line, huge sizes: arguments and standard input with a typed value beyond the
// everyday sizes (long digit strings, far exponents, extended's and quad's tiny and huge values),
// up to exact texts of MaxValueDigits digits, with CommandLineFuzz's checks.
#include "CommandLineCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    pexabit::fuzz::CheckCommandLine(data, size, pexabit::fuzz::InputSizes::Huge);
    return 0;
}
