// The window's typed text, everyday sizes: texts of up to about 40 digits whose exponent stays
// within a few hundred of the Double's range, so that the canonical text and the exact values
// stay near a thousand characters. Longer texts and farther exponents are DecimalTextHugeFuzz's.
#include "DecimalTextCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (size > pexabit::fuzz::EverydayTextBytes || pexabit::fuzz::TypedCanonicalLength(text) > pexabit::fuzz::EverydayCanonicalLength) {
        return 0;
    }
    pexabit::fuzz::CheckTypedText(text);
    return 0;
}
