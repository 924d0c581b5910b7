#include "cli/JsonWriter.h"

#include <charconv>
#include <cstring>

#include "text/Characters.h"

namespace pexabit {
namespace {

constexpr std::string_view ReplacementCharacter = "\\ufffd";

void AppendControlEscape(std::string& out, unsigned char c) {
    switch (c) {
        case '\n': out += "\\n"; return;
        case '\r': out += "\\r"; return;
        case '\t': out += "\\t"; return;
        default:
            out += "\\u00";
            out += LowerHexDigits[c >> 4];
            out += LowerHexDigits[c & 15];
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
            if (const std::size_t length = Utf8SequenceLength(text, i); length != 0) {
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
    out.append(text.substr(runStart));
    out += '"';
}

JsonObjectWriter::JsonObjectWriter(std::string& out) : out_(out) { out_ += '{'; }

void JsonObjectWriter::Key(std::string_view key) {
    if (!first_) out_ += ',';
    first_ = false;
    out_ += '"';
    out_ += key;
    out_ += "\":";
}

void JsonObjectWriter::String(std::string_view key, std::string_view value) {
    Key(key);
    AppendJsonString(out_, value);
}

void JsonObjectWriter::End() { out_ += "}\n"; }

}  // namespace pexabit
