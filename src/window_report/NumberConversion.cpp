#include "window_report/NumberConversion.h"

#include <cassert>
#include <clocale>
#include <cmath>
#include <limits>
#include <cstdlib>
#include <locale.h>

#include "text/Characters.h"
#include "window_report/DecimalInput.h"

namespace pexabit {
namespace {

// strtod in the "C" locale: "." is the separator whatever the user's locale says. Created once,
// never freed (it lives as long as the program).
locale_t CLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// The DecimalString of what strtod consumed: [sign] digits [. digits].
std::string PrefixDecimal(std::string_view consumed) {
    assert(!consumed.empty());
    std::string out(1, '+');
    if (consumed[0] == '+' || consumed[0] == '-') {
        out[0] = consumed[0];
        consumed.remove_prefix(1);
    }
    std::size_t p = 0;
    while (p < consumed.size() && IsDigit(consumed[p])) ++p;
    out += p == 0 ? std::string_view("0") : consumed.substr(0, p);
    out += ',';
    std::string_view fraction = p < consumed.size() ? consumed.substr(p + 1) : std::string_view();
    out += fraction.empty() ? std::string_view("0") : fraction;
    return out;
}

}  // namespace

ReadNumber ReadDecimalNumber(std::string_view canonical) {
    // Only the characters strtod may consume are copied, with "," turned into ".". The canonical
    // text holds no letters, so strtod never sees "inf", "nan" or a hex prefix.
    std::string text;
    text.reserve(canonical.size());
    for (char c : canonical) {
        if (IsDigit(c) || c == '+' || c == '-' || c == ',') text += c == ',' ? '.' : c;
        else break;
    }
    char* end = nullptr;
    ReadNumber result;
    result.Value = strtod_l(text.c_str(), &end, CLocale());
    const auto used = static_cast<std::size_t>(end - text.c_str());
    result.Prefix = used == 0 ? std::string("+0,0") : PrefixDecimal(std::string_view(text).substr(0, used));
    return result;
}

bool IsInfinityText(std::string_view canonical) {
    return canonical.size() == 1 + InfinitySign.size() &&
           (canonical[0] == '+' || canonical[0] == '-') && canonical.substr(1) == InfinitySign;
}

float RoundToSingle(double value) {
    // Halfway between the largest Single (2^128 - 2^104) and 2^128: from here on the value rounds
    // to infinity, the tie included, because the largest Single's mantissa is odd.
    constexpr double SingleOverflowThreshold = 0x1.ffffffp127;
    if (std::fabs(value) >= SingleOverflowThreshold) {
        constexpr float Infinity = std::numeric_limits<float>::infinity();
        return value > 0 ? Infinity : -Infinity;
    }
    return static_cast<float>(value);  // round to nearest, ties to even (the default mode)
}

}  // namespace pexabit
