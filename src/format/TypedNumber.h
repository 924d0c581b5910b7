#pragma once
// A number as typed, read from its text: a finite decimal or C99 hexadecimal value kept exactly
// (every digit, any exponent), an infinity, or a NaN with its kind and payload. Rounding into a
// format reads this record; nothing here depends on a format.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "arith/WideInteger.h"
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
    // The value of decimal Digits of at most 19 digits, when ParseTypedNumber read it on its way
    // through a plain text, so that rounding into each format does not read the digits again;
    // 0 where it is not known (hex or longer digits, zero, other texts, records made otherwise),
    // and the readers then read Digits. "12.50e3" gives 125.
    std::uint64_t ShortValue = 0;
    // Set when the typed exponent reaches 10^17 in magnitude: the exact Exponent, of any size.
    // Exponent then stays near +-10^17, far beyond every format, which is all the rounding needs.
    // "1e-99999999999999999999" gives "1" with FarExponent -99999999999999999999.
    std::optional<WideInteger> FarExponent;
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

// 4 MiB: the most significant digits an accepted text may have (decimal or hexadecimal, leading
// and trailing zeros aside; the exponent may have any length), and the most digits a report
// writes of an exact value: an exact error beyond it is given by its digit count instead. The
// window report holds its canonical text to the same number.
inline constexpr std::int64_t MaxExactDigits = std::int64_t{1} << 22;

// The exact exponent of a finite typed number: FarExponent when set, else Exponent.
WideInteger ExactExponent(const TypedNumber& number);

// Reads one typed number after dropping blanks and tabs at both ends:
//   [sign] (digits [sep [digits]] | sep digits) [(e|E) [sign] digits]    sep "." or ","
//   [sign] (inf | infinity | U+221E)                                     any case
//   [sign] (nan | snan) [(0x hexdigits)]                                 any case
//   [sign] 0x (hexdigits [. [hexdigits]] | . hexdigits) (p|P) [sign] digits
// ParseTypedNumber(" -1,5e3 ") gives Finite, Negative, "15", 2; ParseTypedNumber("1.5x") gives
// the Error "unexpected character 'x' at position 4: expected a digit or an exponent such as e5".
// A text of more than MaxExactDigits significant digits is refused; any exponent is read.
ParsedText ParseTypedNumber(std::string_view text);

// The same into `result`, whose storage is reused: what a reader of many texts calls.
void ParseTypedNumber(std::string_view text, ParsedText& result);

}  // namespace pexabit
