#pragma once
// A small JSON writer for one object per line: keys in the order they are written, texts
// escaped ("\"", "\\", control characters), UTF-8 kept as it is and every byte that is not part
// of valid UTF-8 written as U+FFFD, so that the output is valid JSON whatever the input was.

#include <cstdint>
#include <string>
#include <string_view>

namespace pexabit {

// Appends `text` as a JSON string literal, quotes included.
// AppendJsonString(out, "a\"b") appends "a\"b" with the quote escaped.
void AppendJsonString(std::string& out, std::string_view text);

// Writes straight into `out`: every member is a few plain appends, no text of its own is built.
// Keys are the caller's field names, plain ASCII, never escaped.
class JsonObjectWriter {
public:
    // Starts the object: appends "{".
    explicit JsonObjectWriter(std::string& out);
    void String(std::string_view key, std::string_view value);
    // A text that the system made itself from an accepted input (digits, signs, letters, ",",
    // blanks, the infinity sign): it never needs escaping and is copied as it is.
    void MadeText(std::string_view key, std::string_view value);
    void Integer(std::string_view key, std::int64_t value);
    // Ends the object and the line: appends "}\n".
    void End();

private:
    // Appends the separator, the quoted key and ":", and `after` (a quote or nothing).
    void Key(std::string_view key, std::string_view after);
    std::string& out_;
    bool first_ = true;
};

}  // namespace pexabit
