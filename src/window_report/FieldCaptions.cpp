#include "window_report/FieldCaptions.h"

#include <cassert>

#include "text/Characters.h"

namespace pexabit {

std::string SignCaption(bool negative) { return negative ? "S= 1" : "S= 0"; }

std::string ExponentCaption(int biasedExponent) {
    assert(biasedExponent >= 0);
    std::string digits;
    auto value = static_cast<unsigned>(biasedExponent);
    do {
        digits.insert(digits.begin(), UpperHexDigits[value % 16]);
        value /= 16;
    } while (value != 0);
    return "E=" + digits + " hex";
}

std::string MantissaCaption(std::string_view mantissaHex) {
    return "M=" + std::string(mantissaHex) + " hex";
}

}  // namespace pexabit
