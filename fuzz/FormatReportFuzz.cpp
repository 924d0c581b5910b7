// The every-format report, everyday sizes: typed numbers of up to 40 digits whose exponent stays
// a few hundred decimal places beyond the Double's range, each in a rounding mode its first byte
// picks. Farther exponents (extended's and quad's tiny and huge values among them) and longer
// digit strings are FormatReportHugeFuzz's.
#include "FormatReportCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    pexabit::fuzz::CheckFormatReport(data, size, pexabit::fuzz::InputSizes::Everyday);
    return 0;
}
