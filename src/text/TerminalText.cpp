#include "text/TerminalText.h"

#include "text/Characters.h"

namespace pexabit {
namespace {

// U+0080..U+009F, the C1 controls: in UTF-8 the lead byte C2 and a second byte 80..9F.
constexpr unsigned char C1Lead = 0xC2, C1SecondEnd = 0xA0;
constexpr unsigned char Delete = 0x7F;

void AppendHexByte(std::string& out, unsigned char byte) {
    out += UpperHexDigits[byte >> 4];
    out += UpperHexDigits[byte & 15];
}

}  // namespace

std::string EscapeForTerminal(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = Utf8SequenceLength(text, i);
        if (byte < 0x20 || byte == Delete || length == 0) {
            out += "\\x";
            AppendHexByte(out, byte);
            ++i;
        } else if (byte == C1Lead && static_cast<unsigned char>(text[i + 1]) < C1SecondEnd) {
            out += "\\u{";
            AppendHexByte(out, static_cast<unsigned char>(text[i + 1]));
            out += '}';
            i += 2;
        } else {
            out.append(text, i, length);
            i += length;
        }
    }
    return out;
}

}  // namespace pexabit
