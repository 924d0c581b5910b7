// The digit arithmetic on well-formed operands built from the fuzz bytes, against GMP:
// FormatScientific keeps the value (in base 10 or base 2) with one leading nonzero digit,
// SubtractDecimal gives |a| - |b| in canonical form and completes its arguments as promised,
// the expansion of M x 2^e gives its exact decimal value.
#include <cstddef>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "../tests/support/GmpReference.h"
#include "FuzzSupport.h"
#include "GmpMemory.h"
#include "arith/ExactExpansion.h"
#include "arith/Subtract.h"
#include "window_report/Scientific.h"

namespace {

using namespace pexabit;
using fuzz::Require;

struct Operand {
    std::string Text;
    mpq_class Value;  // the magnitude
};

// An operand from bytes: the first picks the sign ("", "+", "-"), a "," byte places the comma
// (once), every other byte is a digit of the base. `canonical` drops leading integer zeros (a
// lone "0" stays) and always writes the comma with at least one digit on each side.
Operand MakeOperand(std::string_view bytes, int base, bool canonical) {
    static const char* const signs[] = {"", "+", "-"};
    std::string integer, fraction;
    bool comma = false;
    for (std::size_t i = 1; i < bytes.size(); ++i) {
        if (bytes[i] == ',' && !comma) comma = true;
        else (comma ? fraction : integer) += static_cast<char>('0' + static_cast<unsigned char>(bytes[i]) % base);
    }
    if (canonical) {
        integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
        comma = true;
    }
    if (integer.empty()) integer = "0";
    if (comma && fraction.empty()) fraction = "0";
    const char* sign = bytes.empty() ? "" : signs[static_cast<unsigned char>(bytes[0]) % 3];
    const std::string digits = integer + fraction;
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), static_cast<unsigned long>(base), fraction.size());
    mpq_class value(mpz_class(digits, base), scale);
    value.canonicalize();
    return {std::string(sign) + integer + (comma ? "," + fraction : ""), value};
}

// The value of "+d,ddde-12" in `base` (digits and exponent in that base's reading: the
// exponent counts places of `base`).
mpq_class ScientificValue(const std::string& text, int base) {
    const std::size_t e = text.find('e');
    Require(e != std::string::npos && text.find(',') == 2, "scientific form is sign, digit, comma", text);
    const std::string digits = text.substr(1, 1) + text.substr(3, e - 3);
    const long exponent = std::stol(text.substr(e + 1));
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), static_cast<unsigned long>(base), static_cast<unsigned long>(std::labs(exponent)));
    mpq_class value(mpz_class(digits.empty() ? "0" : digits, base));
    mpz_class places;
    mpz_ui_pow_ui(places.get_mpz_t(), static_cast<unsigned long>(base), digits.size() - 1);
    value /= places;
    if (exponent >= 0) value *= scale;
    else value /= scale;
    value.canonicalize();
    return value;
}

void CheckScientific(std::string_view bytes, int base) {
    const Operand in = MakeOperand(bytes, base, true);
    std::string argument = in.Text;
    std::string sci;
    FormatScientific(argument, sci);
    const std::string withSign = in.Text[0] == '+' || in.Text[0] == '-' ? in.Text : "+" + in.Text;
    Require(argument == withSign, "FormatScientific only adds a missing sign", argument);
    Require(sci[0] == withSign[0], "the sign is kept", sci);
    if (in.Value == 0) {
        Require(sci == withSign.substr(0, 1) + "0,0", "a zero comes back as zero", sci);
        return;
    }
    Require(sci[1] != '0', "one nonzero digit before the comma", sci);
    Require(ScientificValue(sci, base) == in.Value, "the scientific form keeps the value", in.Text + " -> " + sci);
}

void CheckSubtraction(std::string_view bytes) {
    const std::size_t cut = std::min(bytes.find('\xFF'), bytes.size());
    const Operand a = MakeOperand(bytes.substr(0, cut), 10, false);
    const Operand b = MakeOperand(cut < bytes.size() ? bytes.substr(cut + 1) : std::string_view{}, 10, false);
    std::string x = a.Text, y = b.Text;
    const std::string difference = SubtractDecimal(x, y);
    const mpq_class expected = a.Value - b.Value;
    Require(difference == testing::ToDecimalString(expected, expected < 0 ? '-' : '+'),
            "SubtractDecimal gives |a| - |b|", a.Text + " - " + b.Text + " = " + difference);
    const auto completed = [](std::string s) {
        if (s.empty() || (s[0] != '+' && s[0] != '-')) s.insert(0, 1, '+');
        if (s.find(',') == std::string::npos) s += ",0";
        return s;
    };
    Require(x == completed(a.Text) && y == completed(b.Text), "arguments only gain a sign and \",0\"", x + " " + y);
}

// M x 2^e from the bytes: the first two give e in [-4095, 4095], up to sixteen more give M.
void CheckExpansion(std::string_view bytes) {
    if (bytes.size() < 2) return;
    const int e = static_cast<std::int16_t>(static_cast<std::uint16_t>((static_cast<unsigned char>(bytes[0]) << 8) |
                                                                        static_cast<unsigned char>(bytes[1]))) % 4096;
    Bits128 m = 0;
    for (std::size_t i = 2; i < bytes.size() && i < 18; ++i) m = (m << 8) | static_cast<unsigned char>(bytes[i]);
    std::string text;
    WriteDecimalString('+', m, e, text);
    Require(text == testing::ToDecimalString(testing::Scaled(testing::ToMpz(m), e), '+'),
            "the expansion of M x 2^e is exact", text.substr(0, 200));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 4) {
        case 0: CheckScientific(bytes, 10); break;
        case 1: CheckScientific(bytes, 2); break;
        case 2: CheckSubtraction(bytes); break;
        default: CheckExpansion(bytes); break;
    }
    return 0;
}
