// Which bytes start a well-formed UTF-8 character, at the edges of each lead byte's range: the
// JSON answers copy such characters and escape every other byte, so a wrong edge either passes
// text that is not UTF-8 or mangles a character that is.
#include <gtest/gtest.h>

#include "text/Characters.h"

namespace pexabit {
namespace {

TEST(Utf8SequenceLength, EdgesOfEveryLeadByte) {
    const struct {
        const char* Bytes;
        std::size_t Length;  // 0: not the start of a well-formed character
        const char* Reason;
    } rows[] = {
        {"\x7F", 1, "the last ASCII byte"},
        {"\x80", 0, "a continuation byte alone"},
        {"\xC1\xBF", 0, "C1: an overlong two-byte form"},
        {"\xC2\x80", 2, "C2: the smallest two-byte character"},
        {"\xDF\xC0", 0, "a second byte past BF"},
        {"\xE0\x9F\xBF", 0, "E0: an overlong three-byte form"},
        {"\xE0\xA0\x80", 3, "E0 A0: the smallest three-byte character"},
        {"\xED\x9F\xBF", 3, "ED 9F: the last character below the surrogates"},
        {"\xED\xA0\x80", 0, "ED A0: a surrogate"},
        {"\xEF\xBF\xBF", 3, "EF: the last three-byte character"},
        {"\xF0\x8F\xBF\xBF", 0, "F0: an overlong four-byte form"},
        {"\xF0\x90\x80\x80", 4, "F0 90: the smallest four-byte character"},
        {"\xF4\x8F\xBF\xBF", 4, "F4 8F: U+10FFFF, the last character"},
        {"\xF4\x90\x80\x80", 0, "F4 90: beyond U+10FFFF"},
        {"\xF5\x80\x80\x80", 0, "F5: no character starts with it"},
        {"\xE2\x88", 0, "a character cut short"},
    };
    for (const auto& row : rows) EXPECT_EQ(Utf8SequenceLength(row.Bytes, 0), row.Length) << row.Reason;
}

}  // namespace
}  // namespace pexabit
