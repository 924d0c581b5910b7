#pragma once
// Typed text echoed on a terminal: a line of standard input or an argument may hold any bytes,
// and a control character among them (ESC starting an escape sequence, a carriage return, a C1
// control that some terminals obey as well) would drive the terminal instead of being shown.

#include <string>
#include <string_view>

namespace pexabit {

// `text` with every byte a terminal could act on, or could not show, written out: the C0
// controls (U+0000..U+001F, the line break among them), DEL and each byte that starts no
// well-formed UTF-8 character as "\xNN", the C1 controls U+0080..U+009F as "\u{80}".."\u{9F}";
// every other character, a backslash too, as it is. EscapeForTerminal("1\x1B[2J\xC2\x9B∞")
// == "1\\x1B[2J\\u{9B}∞".
std::string EscapeForTerminal(std::string_view text);

}  // namespace pexabit
