#include "encode/DisplayForm.h"

#include <array>
#include <charconv>

namespace pexabit {
namespace {

constexpr int SingleDisplayDigits = 7;
constexpr int DoubleDisplayDigits = 15;

// std::to_chars is locale-independent and works like printf's "%.*g"; the exponent letter is
// made upper-case and the point becomes the user's separator.
template <typename T>
std::string DisplayForm(T value, int digits, std::string_view separator) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, digits);
    std::string out;
    for (const char* p = buffer.data(); p != result.ptr; ++p) {
        if (*p == '.') out += separator;
        else if (*p == 'e') out += 'E';
        else out += *p;
    }
    return out;
}

}  // namespace

std::string SingleDisplayForm(float value, std::string_view decimalSeparator) {
    return DisplayForm(value, SingleDisplayDigits, decimalSeparator);
}

std::string DoubleDisplayForm(double value, std::string_view decimalSeparator) {
    return DisplayForm(value, DoubleDisplayDigits, decimalSeparator);
}

}  // namespace pexabit
