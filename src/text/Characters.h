#pragma once
// The character rules every part of the system shares: decimal and hex digits, the infinity
// sign, the hex digits it writes, and how characters of UTF-8 text are counted, checked and named
// in messages. One copy of each.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace pexabit {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A blank or a tab: what a typed input may carry at its ends, and every reader drops there.
constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The infinity sign U+221E in UTF-8, which typed numbers may hold ("-∞"): three bytes that
// count as one character.
inline constexpr std::string_view InfinitySign = "\xE2\x88\x9E";

// The upper-case hex digits the system writes (patterns, fields, captions), and the lower-case
// ones of JSON's \u escapes and of C hex floats.
inline constexpr std::string_view UpperHexDigits = "0123456789ABCDEF";
inline constexpr std::string_view LowerHexDigits = "0123456789abcdef";

namespace detail {
// "00" "01" ... "99": two digits per table read halves the divisions of every digit writer.
constexpr std::array<char, 200> MakeDigitPairs() {
    std::array<char, 200> t{};
    for (std::size_t i = 0; i < 100; ++i) {
        t[2 * i] = static_cast<char>('0' + i / 10);
        t[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return t;
}
inline constexpr std::array<char, 200> DigitPairs = MakeDigitPairs();

// The value of every digit (hex digits upper and lower case); -1 for every other byte. A table
// keeps the digit loops over long texts free of branches.
constexpr std::array<std::int8_t, 256> MakeDigitValues() {
    std::array<std::int8_t, 256> values{};
    values.fill(-1);
    for (int d = 0; d < 10; ++d) values[static_cast<std::size_t>('0' + d)] = static_cast<std::int8_t>(d);
    for (int d = 0; d < 6; ++d) {
        values[static_cast<std::size_t>('A' + d)] = static_cast<std::int8_t>(10 + d);
        values[static_cast<std::size_t>('a' + d)] = static_cast<std::int8_t>(10 + d);
    }
    return values;
}
inline constexpr std::array<std::int8_t, 256> DigitValues = MakeDigitValues();
}  // namespace detail

// 0..9 for a decimal digit; every other character (the "," among them) reads as 0, as the
// digit arithmetic on texts requires.
constexpr int DecimalDigitValue(char c) { return IsDigit(c) ? c - '0' : 0; }

// Writes the two digits of v < 100 at p, a leading zero included: WriteDigitPair(p, 7) writes "07".
inline void WriteDigitPair(char* p, std::uint32_t v) { std::memcpy(p, &detail::DigitPairs[2 * v], 2); }

// The lower-case letter of an ASCII capital; every other byte as it is: AsciiLower('E') == 'e'.
constexpr char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// True when `a` and `b` differ at most in the case of ASCII letters, as names typed on the
// command line are compared: EqualIgnoringCase("BF16", "bf16"); bytes beyond ASCII must match.
constexpr bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

// The indefinite article of a message before `word`, chosen by its first letter: "an" before a
// vowel letter, "a" before anything else. IndefiniteArticle("e4m3") == "an",
// IndefiniteArticle("half") == "a".
constexpr std::string_view IndefiniteArticle(std::string_view word) {
    constexpr std::string_view Vowels = "aeiou";
    return !word.empty() && Vowels.find(AsciiLower(word[0])) != std::string_view::npos ? "an" : "a";
}

constexpr bool IsHexDigit(char c) { return detail::DigitValues[static_cast<unsigned char>(c)] >= 0; }

// 0..15 for a hex digit of either case; -1 for any other character.
constexpr int HexDigitValue(char c) { return detail::DigitValues[static_cast<unsigned char>(c)]; }

// The characters of UTF-8 text as a user counts them: every byte that does not continue a
// multi-byte sequence starts one, so that a stray byte is one character too.
// CountCharacters("12∞") == 3.
constexpr std::size_t CountCharacters(std::string_view text) {
    std::size_t count = 0;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

// Bytes of the UTF-8 sequence that `lead` starts, judged by that byte alone: 1 for ASCII, 2 for
// C2..DF, 3 for E0..EF, 4 for F0..F4; 0 for a byte that starts none (a continuation byte, C0,
// C1, F5..FF). Utf8LeadLength(0xE2) == 3, the length of "∞".
constexpr std::size_t Utf8LeadLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead < 0xC2) return 0;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    return lead < 0xF5 ? 4 : 0;
}

// Length of the valid UTF-8 sequence starting at text[i] (1 to 4), or 0 when it is not valid:
// a stray continuation byte, an overlong form, a surrogate (U+D800..U+DFFF), beyond U+10FFFF,
// or cut short. Utf8SequenceLength("∞", 0) == 3; Utf8SequenceLength("\xED\xA0\x80", 0) == 0.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i);

// The character that starts at text[i] as a refusal names it, the same way for every typed
// input: "blank", "tab", "control character U+000A" (every other ASCII control and U+007F),
// "character 'x'" for any other well-formed character, one of several bytes too ("character
// 'é'"), and "byte 0xC3" for a byte that starts no well-formed character, so that a message
// never holds text that is not UTF-8. NameCharacter("1é", 1) == "character 'é'";
// NameCharacter("1\xC3", 1) == "byte 0xC3".
std::string NameCharacter(std::string_view text, std::size_t i);

}  // namespace pexabit
