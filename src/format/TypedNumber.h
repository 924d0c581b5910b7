#pragma once
// A number as typed, read from its text: a finite decimal or C99 hexadecimal value kept exactly
// (every digit, any exponent), an infinity, or a NaN with its kind and payload. Rounding into a
// format reads this record; nothing here depends on a format.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "text/Characters.h"

namespace pexabit {

struct TypedNumber {
    enum class Kind { Finite, Infinity, Nan };
    Kind Type = Kind::Finite;
    bool Negative = false;
    // Finite: value = Digits * Radix^Exponent, Digits the significant digits as text (decimal
    // digits, or hexadecimal digits as typed for a C99 hex float) with leading and trailing zeros
    // dropped ("" and Exponent 0 for zero). "12.50e3" gives "125", 2; "0x1.8p+1" gives "18", -3.
    bool Hex = false;  // Radix 2 (hex digits, Exponent a power of two) else Radix 10
    std::string Digits;
    std::int64_t Exponent = 0;
    // Nan: signalling or quiet, and the typed payload (hex digits, leading zeros dropped, "0" for
    // a zero payload) if any. "snan(0x00A)" gives Signalling, Payload "A".
    bool Signalling = false;
    std::optional<std::string> Payload;
};

// Number (when the text is accepted) or Error (a sentence that says what is wrong, at which
// character position counted from 1 in the text as given, and what would be accepted).
struct ParsedText {
    std::optional<TypedNumber> Number;
    std::string Error;
};

// The most decimal digits the exact value of an accepted text may need in plain decimal
// (integer digits, at least one, plus fraction digits): 4 MiB. The exact error of every format
// writes the typed value out digit by digit, so this keeps each answer, and the time to make it,
// within a few megabytes whatever exponent is typed; the window report holds its canonical text
// to the same number. 1e4194303 (4194304 digits) is accepted, 1e4194304 and 1e-4194304 ("0."
// and 4194304 fraction digits) are refused.
inline constexpr std::int64_t MaxExactDigits = std::int64_t{1} << 22;

// Reads one typed number after dropping blanks and tabs at both ends:
//   [sign] (digits [sep [digits]] | sep digits) [(e|E) [sign] digits]    sep "." or ","
//   [sign] (inf | infinity | U+221E)                                     any case
//   [sign] (nan | snan) [(0x hexdigits)]                                 any case
//   [sign] 0x (hexdigits [. [hexdigits]] | . hexdigits) (p|P) [sign] digits
// ParseTypedNumber(" -1,5e3 ") gives Finite, Negative, "15", 2; ParseTypedNumber("1.5x") gives
// the Error "unexpected character 'x' at position 4: expected a digit or an exponent such as e5".
ParsedText ParseTypedNumber(std::string_view text);

}  // namespace pexabit
