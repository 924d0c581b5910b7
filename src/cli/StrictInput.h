#pragma once
// --strict for the window report's decimal input. The window converts whatever its character
// check lets through, reading the longest number it can ("1.5.3" as 1.5, "1e2.5" as 100, an
// empty text as 0); a batch of data wants such a line refused instead. Under --strict an input,
// once blanks and tabs at both ends are dropped, must be
//     [sign] (digits [sep [digits]] | sep digits) [(e|E) [sign] digits]
// with sep "." or "," (one of them, once), or a signed or unsigned infinity sign "∞".

#include <string>
#include <string_view>

namespace pexabit {

struct StrictDecimal {
    std::string_view Text;  // the input without the blanks and tabs at its ends
    std::string Error;      // why the input is refused, with the character at fault; empty if none
};

// CheckStrictDecimal(" 1.5e3\t") gives the Text "1.5e3" and no Error;
// CheckStrictDecimal("1.5.3") gives the Error
// "Not a plain decimal number (character 4, '.'): a second decimal separator".
StrictDecimal CheckStrictDecimal(std::string_view input);

}  // namespace pexabit
