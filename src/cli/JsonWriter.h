#pragma once
// A small JSON writer for one object per line: keys in the order they are written, texts
// escaped ("\"", "\\", control characters), UTF-8 kept as it is and every byte that is not part
// of valid UTF-8 written as U+FFFD, so that the output is valid JSON whatever the input was.

#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace pexabit {

// Appends `text` as a JSON string literal, quotes included.
// AppendJsonString(out, "a\"b") appends "a\"b" with the quote escaped.
void AppendJsonString(std::string& out, std::string_view text);

// The two passes over a run of members that need no escaping: keys from the code, texts the
// system made itself from an accepted input (digits, signs, letters, ",", blanks, the infinity
// sign) and integers. The first pass adds up the run's length, the second copies it into the
// space reserved for it at once, so the run is written with one allocation check and plain
// copies. Members are written as in JSON: ,"key":"text" or ,"key":123.
// ,"key": (or "key": for the first member).
inline std::size_t JsonKeyLength(std::string_view key, bool first) { return key.size() + (first ? 3 : 4); }

// An integer's digits, sign included, in `digits`.
inline std::string_view JsonIntegerText(std::int64_t value, char (&digits)[24]) {
    const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return {digits, static_cast<std::size_t>(end - digits)};
}

class JsonLengthSink {
public:
    explicit JsonLengthSink(bool first) : first_(first) {}
    void MadeText(std::string_view key, std::string_view value) {
        total_ += JsonKeyLength(key, first_) + value.size() + 2;
        first_ = false;
    }
    void Integer(std::string_view key, std::int64_t value) {
        char digits[24];
        total_ += JsonKeyLength(key, first_) + JsonIntegerText(value, digits).size();
        first_ = false;
    }
    std::size_t Total() const { return total_; }

private:
    bool first_;
    std::size_t total_ = 0;
};

// Inline, so that the keys, known where the report is written, are copied without a call.
class JsonCopySink {
public:
    JsonCopySink(char* cursor, bool first) : cursor_(cursor), first_(first) {}
    void MadeText(std::string_view key, std::string_view value) {
        Key(key);
        *cursor_++ = '"';
        Copy(value);
        *cursor_++ = '"';
    }
    void Integer(std::string_view key, std::int64_t value) {
        char digits[24];
        Key(key);
        Copy(JsonIntegerText(value, digits));
    }

private:
    void Key(std::string_view key) {
        if (!first_) *cursor_++ = ',';
        first_ = false;
        *cursor_++ = '"';
        Copy(key);
        *cursor_++ = '"';
        *cursor_++ = ':';
    }
    void Copy(std::string_view text) {
        if (!text.empty()) std::memcpy(cursor_, text.data(), text.size());
        cursor_ += text.size();
    }
    char* cursor_;
    bool first_;
};

// Writes straight into `out`. Keys are the caller's field names, plain ASCII, never escaped.
class JsonObjectWriter {
public:
    // Starts the object: appends "{".
    explicit JsonObjectWriter(std::string& out);
    // A member's key, its value left to the caller: appends "key": (,"key": after the first
    // member). json.Key("formats"); json.Out() += "[]"; writes "formats":[].
    void Key(std::string_view key);
    std::string& Out() { return out_; }
    // A text from outside (the input, a message, a caption with the user's separator): escaped.
    void String(std::string_view key, std::string_view value);
    // A run of unescaped members: `members(sink)` calls sink.MadeText(key, text) and
    // sink.Integer(key, number) in order, and is called once per pass.
    // json.Members([&](auto& m) { m.MadeText("SingleHex", hex); m.Integer("SingleSign", 0); });
    template <typename WriteMembers>
    void Members(const WriteMembers& members) {
        JsonLengthSink length(first_);
        members(length);
        const std::size_t at = out_.size();
        out_.resize(at + length.Total());
        JsonCopySink copy(out_.data() + at, first_);
        members(copy);
        first_ = first_ && length.Total() == 0;
    }
    // Ends the object and the line: appends "}\n".
    void End();

private:
    std::string& out_;
    bool first_ = true;
};

}  // namespace pexabit
