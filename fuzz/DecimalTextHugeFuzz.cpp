// The window's typed text, huge sizes: long digit strings and exponents that pad the canonical
// text with up to MaxCanonicalLength characters, the texts DecimalTextFuzz leaves out.
#include "DecimalTextCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (size <= pexabit::fuzz::EverydayTextBytes && pexabit::fuzz::TypedCanonicalLength(text) <= pexabit::fuzz::EverydayCanonicalLength) {
        return 0;
    }
    pexabit::fuzz::CheckTypedText(text);
    return 0;
}
