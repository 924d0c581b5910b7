// What the readable reports echo of a typed text: every byte a terminal would act on or could not
// show is written out, at the edges of each class, and every other character stays as typed.
#include <gtest/gtest.h>

#include "text/TerminalText.h"

namespace pexabit {
namespace {

TEST(EscapeForTerminal, WritesOutWhatWouldDriveTheTerminal) {
    using namespace std::string_view_literals;
    const struct {
        std::string_view Text;
        const char* Expected;
        const char* Reason;
    } rows[] = {
        {"-1,5e3 \xC3\xA9\xE2\x88\x9E\\n\xF0\x9F\x98\x80~", "-1,5e3 \xC3\xA9\xE2\x88\x9E\\n\xF0\x9F\x98\x80~",
         "blank, é, ∞, a backslash, a four-byte character and ~ pass as typed: nothing shown is mangled"},
        {"\x1B[2J"sv, "\\x1B[2J", "ESC would start an escape sequence"},
        {"\0"sv, "\\x00", "NUL, the first C0 control"},
        {"a\nb\rc\x1F", "a\\x0Ab\\x0Dc\\x1F", "a line break or carriage return would move the line; the last C0 control"},
        {"\x7F", "\\x7F", "DEL right after the printable ASCII"},
        {"\xC2\x80\xC2\x9F\xC2\xA0", "\\u{80}\\u{9F}\xC2\xA0",
         "the first and last C1 control (a terminal may obey U+009B as CSI); U+00A0 after them is text"},
        {"\xFF\x80", "\\xFF\\x80", "a byte no character starts with, a continuation byte alone"},
        {"\xC0\xAF", "\\xC0\\xAF", "an overlong '/': each byte written out, not read as a character"},
        {"1\xE2\x88", "1\\xE2\\x88", "a character cut short at the end, with a continuation byte after the view"},
        {"\xC2", "\\xC2", "a C1 lead byte at the end, not read together with the byte after the view"},
    };
    for (const auto& row : rows) {
        // Each text is a view into a longer buffer whose next byte would complete a character.
        const std::string buffer = std::string(row.Text) + "\x80\x80";
        EXPECT_EQ(EscapeForTerminal(std::string_view(buffer).substr(0, row.Text.size())), row.Expected) << row.Reason;
    }
}

}  // namespace
}  // namespace pexabit
