#include "encode/FieldCaptions.h"

namespace pexabit {

std::string SignCaption(std::int32_t sign) {
    return (sign < 0 ? "S=" : "S= ") + std::to_string(sign);
}

std::string ExponentCaption(std::int32_t exponent) {
    static constexpr char HexDigits[] = "0123456789ABCDEF";
    std::string digits;
    auto value = static_cast<std::uint32_t>(exponent);
    do {
        digits.insert(digits.begin(), HexDigits[value % 16]);
        value /= 16;
    } while (value != 0);
    return "E=" + digits + " hex";
}

std::string MantissaCaption(std::string_view mantissaHex) {
    return "M=" + std::string(mantissaHex) + " hex";
}

}  // namespace pexabit
