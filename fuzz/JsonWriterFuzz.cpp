// The JSON writer on any bytes. Properties: the object it writes is one line of valid JSON (a
// string with only valid escapes and no raw control character), its bytes are valid UTF-8, and
// reading the string back gives the input with every byte that is not part of valid UTF-8
// replaced by U+FFFD. The UTF-8 rules are checked here independently of the system's own.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "cli/JsonWriter.h"

namespace {

using pexabit::fuzz::DecodeOne;
using pexabit::fuzz::Require;

// The input as the writer must keep it: valid sequences as they are, every other byte U+FFFD.
std::string Expected(std::string_view text) {
    std::string out;
    std::uint32_t cp = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = DecodeOne(text, i, cp);
        out += n == 0 ? std::string_view("\xEF\xBF\xBD") : text.substr(i, n);
        i += n == 0 ? 1 : n;
    }
    return out;
}

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Reads the JSON string literal at json[i] (i at its opening quote) into `value`; returns the
// position after its closing quote.
std::size_t ReadString(std::string_view json, std::size_t i, std::string& value) {
    Require(i < json.size() && json[i] == '"', "a string starts with a quote");
    for (++i; i < json.size() && json[i] != '"'; ++i) {
        const auto c = static_cast<unsigned char>(json[i]);
        Require(c >= 0x20, "no raw control character in a string");
        if (c != '\\') {
            value += json[i];
            continue;
        }
        Require(++i < json.size(), "an escape is complete");
        const std::string_view simple = "\"\\/bfnrt", meaning = "\"\\/\b\f\n\r\t";
        if (const std::size_t k = simple.find(json[i]); k != std::string_view::npos) {
            value += meaning[k];
            continue;
        }
        Require(json[i] == 'u' && i + 4 < json.size(), "\\u and four hex digits", json.substr(i));
        const std::uint32_t cp = static_cast<std::uint32_t>(std::stoul(std::string(json.substr(i + 1, 4)), nullptr, 16));
        Require(cp < 0xD800 || cp > 0xDFFF, "no escaped surrogate");
        AppendUtf8(value, cp);
        i += 4;
    }
    Require(i < json.size(), "a string ends with a quote");
    return i + 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string line;
    pexabit::JsonObjectWriter json(line);
    json.String("input", input);
    json.End();
    std::uint32_t cp = 0;
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t n = DecodeOne(line, i, cp);
        Require(n != 0, "the output is valid UTF-8", line);
        i += n;
    }
    const std::string_view prefix = "{\"input\":";
    Require(line.compare(0, prefix.size(), prefix) == 0, "the object starts with its key", line);
    std::string value;
    const std::size_t end = ReadString(line, prefix.size(), value);
    Require(line.substr(end) == "}\n", "the object and the line end after the value", line);
    Require(value == Expected(input), "the string reads back as the input, invalid bytes as U+FFFD", line);
    return 0;
}
