#include "cli/JsonWriter.h"

#include <charconv>
#include <cstring>

namespace pexabit {
namespace {

constexpr std::string_view ReplacementCharacter = "\\ufffd";

// Length of the valid UTF-8 sequence starting at text[i] (1 to 4), or 0 when it is not valid
// (stray continuation byte, overlong form, surrogate, beyond U+10FFFF, cut short).
std::size_t ValidSequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > text.size() || byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    }
    return length;
}

void AppendControlEscape(std::string& out, unsigned char c) {
    static constexpr char Hex[] = "0123456789abcdef";
    switch (c) {
        case '\n': out += "\\n"; return;
        case '\r': out += "\\r"; return;
        case '\t': out += "\\t"; return;
        default:
            out += "\\u00";
            out += Hex[c >> 4];
            out += Hex[c & 15];
    }
}

// Eight bytes at a time: true when one of them is a control character, '"', '\\' or not ASCII.
// The exact values are long runs of digits, so this is nearly all the writer does.
bool NeedsAttention(std::uint64_t x) {
    constexpr std::uint64_t Ones = 0x0101010101010101ULL;
    constexpr std::uint64_t Highs = 0x8080808080808080ULL;
    const auto hasZero = [](std::uint64_t v) { return ((v - Ones) & ~v & Highs) != 0; };
    const bool control = ((x - Ones * 0x20) & ~x & Highs) != 0;
    return control || (x & Highs) != 0 || hasZero(x ^ (Ones * '"')) || hasZero(x ^ (Ones * '\\'));
}

// The first position from i on where a byte may need escaping (or the end).
std::size_t SkipPlainBytes(std::string_view text, std::size_t i) {
    while (i + 8 <= text.size()) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + i, 8);
        if (NeedsAttention(word)) break;
        i += 8;
    }
    return i;
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    std::size_t runStart = 0;  // plain bytes are copied in runs
    for (std::size_t i = SkipPlainBytes(text, 0); i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x80 && c != '"' && c != '\\') {
            i = SkipPlainBytes(text, i + 1);
            continue;
        }
        if (c >= 0x80) {
            if (const std::size_t length = ValidSequenceLength(text, i); length != 0) {
                i += length;
                continue;
            }
        }
        out.append(text, runStart, i - runStart);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            AppendControlEscape(out, c);
        } else {
            out += ReplacementCharacter;
        }
        runStart = ++i;
    }
    out.append(text, runStart, text.size() - runStart);
    out += '"';
}

JsonObjectWriter::JsonObjectWriter(std::string& out) : out_(out) { out_ += '{'; }

void JsonObjectWriter::String(std::string_view key, std::string_view value) {
    if (!first_) out_ += ',';
    first_ = false;
    out_ += '"';
    out_ += key;
    out_ += "\":";
    AppendJsonString(out_, value);
}

void JsonObjectWriter::End() { out_ += "}\n"; }

}  // namespace pexabit
