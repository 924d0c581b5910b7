#pragma once
// Long exact texts cut to their first significant digits, for a reader who wants the size and
// the leading digits of a value whose expansion runs to thousands of digits (1e-4950 in
// extended is 16,447 characters). The window's panels show texts cut this way, and so does the
// command line's every-format report under --digits and --brief.

#include <cstddef>
#include <string>
#include <string_view>

namespace pexabit {

struct CutText {
    std::string Text;         // the text to show: the input itself when nothing was cut
    std::size_t LeftOut = 0;  // significant digits not shown; 0 when Text is the whole input
    // Where the note " (N more digits)" starts in Text; Text's length when nothing was cut. A
    // reader that gives the count apart (the JSON report's "<key>_digits") shows Text up to here.
    std::size_t NoteAt = 0;
};

// Cuts an exact text of the report to its first `keep` significant digits (keep >= 1).
//
// Takes a plain text in base 10 or 2 ([-]digits[.digits]), or one already in scientific form
// ([-]d.ddd e[+-]N, as the report writes a very long error); any other text ("inf", "nan") and
// a text of at most `keep` significant digits come back whole with LeftOut 0.
//
// A cut text ends in "..." and " (N more digits)". It stays plain while its kept digits reach
// the point: "0.1000000000000000055511151231257827021181583404541015625" cut to 10 gives
// "0.1000000000... (45 more digits)". A cut integer, and a fraction whose leading zeros alone
// outnumber `keep`, is written in scientific form so that its size stays visible: the power of
// the base after "e" in base 10 and after "p" in base 2 (the exponent itself in decimal, as in a
// C hex float). 2^128 = "340282366920938463463374607431768211456" cut to 5 gives
// "3.4028...e+38 (34 more digits)"; binary "100000" cut to 2 gives "1.0...p+5 (4 more digits)".
CutText CutDigits(std::string_view exact, std::size_t keep, int base = 10);

}  // namespace pexabit
