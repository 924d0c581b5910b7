// The every-format report, huge sizes: long digit strings and far exponents (up to FuzzedDigits
// digits written out), extended's and quad's tiny and huge values among them: the typed numbers
// FormatReportFuzz leaves out, with the same checks.
#include "FormatReportCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    pexabit::fuzz::CheckFormatReport(data, size, pexabit::fuzz::InputSizes::Huge);
    return 0;
}
