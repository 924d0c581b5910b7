#include "window_report/DisplayForm.h"

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
    std::string out(buffer.data(), result.ptr);
    if (const std::size_t e = out.find('e'); e != std::string::npos) out[e] = 'E';
    if (const std::size_t point = out.find('.'); point != std::string::npos) out.replace(point, 1, separator);
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
