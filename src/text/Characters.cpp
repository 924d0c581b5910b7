#include "text/Characters.h"

namespace pexabit {

std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    const std::size_t length = Utf8LeadLength(lead);
    if (length <= 1) return length;
    // The allowed range of the second byte: narrower after E0 (no overlong forms), ED (no
    // surrogates), F0 (no overlong forms) and F4 (nothing beyond U+10FFFF).
    unsigned char low = 0x80, high = 0xBF;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
    if (i + length > text.size() || byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    }
    return length;
}

std::string NameCharacter(std::string_view text, std::size_t i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const auto withHex = [c](std::string name) {
        return name.append(1, UpperHexDigits[c >> 4]).append(1, UpperHexDigits[c & 15]);
    };
    if (c == ' ') return "blank";
    if (c == '\t') return "tab";
    if (c < 0x20 || c == 0x7F) return withHex("control character U+00");
    const std::size_t length = Utf8SequenceLength(text, i);
    if (length == 0) return withHex("byte 0x");
    return std::string("character '").append(text.substr(i, length)).append("'");
}

}  // namespace pexabit
