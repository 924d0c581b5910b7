#include "report/ExactError.h"

#include <cstdint>

#include "arith/DecimalLimbs.h"
#include "arith/Powers.h"
#include "arith/Subtract.h"

namespace pexabit {

namespace {

// Decimal digits of the typed text placed around the ",": digits * 10^exponent.
void PlaceDecimalDigits(const std::string& digits, std::int64_t exponent, std::string& out) {
    out.clear();
    out += '+';
    if (digits.empty()) {
        out += "0,0";
    } else if (exponent >= 0) {
        out += digits;
        out.append(static_cast<std::size_t>(exponent), '0');
        out += ",0";
    } else if (static_cast<std::uint64_t>(-exponent) >= digits.size()) {
        out += "0,";
        out.append(static_cast<std::size_t>(-exponent) - digits.size(), '0');
        out += digits;
    } else {
        const std::size_t integer = digits.size() - static_cast<std::size_t>(-exponent);
        out.append(digits, 0, integer);
        out += ',';
        out.append(digits, integer);
    }
}

// Hex digits times 2^exponent: the digits as a base-10^9 integer H, then H * 2^exponent, or for
// a negative exponent H * 5^k written with k fraction places (H / 2^k = H * 5^k / 10^k). The
// large-number products keep texts of millions of digits within seconds.
void PlaceHexDigits(const std::string& digits, std::int64_t exponent, std::string& out) {
    const auto k = static_cast<std::size_t>(exponent < 0 ? -exponent : exponent);
    limbs::Limbs scratch;
    const limbs::LimbSpan power = exponent < 0 ? limbs::PowerOfFive(k, scratch) : limbs::PowerOfTwoLimbs(k, scratch);
    const limbs::Limbs product = limbs::Multiply(limbs::FromHexDigits(digits), power);
    std::string all(limbs::DecimalLength(product), '0');
    limbs::WriteDigits(product, all.data(), all.size());
    PlaceDecimalDigits(all == "0" ? std::string() : all, exponent < 0 ? exponent : 0, out);
}

}  // namespace

void WriteTypedMagnitude(const TypedNumber& number, std::string& out) {
    if (number.Hex) PlaceHexDigits(number.Digits, number.Exponent, out);
    else PlaceDecimalDigits(number.Digits, number.Exponent, out);
}

std::string MagnitudeDifference(std::string_view typedMagnitude, DecimalParts stored) {
    const std::size_t comma = typedMagnitude.find(',');
    const DecimalParts typed{typedMagnitude.substr(1, comma - 1), typedMagnitude.substr(comma + 1)};
    return SubtractMagnitudes(typed, stored);
}

std::int64_t SignificantDigitCount(std::string_view decimal) {
    const std::size_t first = decimal.find_first_of("123456789");
    if (first == std::string_view::npos) return 0;
    const std::size_t last = decimal.find_last_of("123456789");
    const std::size_t comma = decimal.find(',');
    const bool across = first < comma && comma < last;
    return static_cast<std::int64_t>(last - first + 1) - (across ? 1 : 0);
}

namespace {

// Every significant digit of a nonzero "I,F" in scientific notation: "0,0015" gives "1.5e-3".
void AppendScientific(std::string& out, std::string_view integer, std::string_view fraction) {
    std::string digits(integer);
    digits += fraction;
    const std::size_t first = digits.find_first_not_of('0');
    const std::size_t last = digits.find_last_not_of('0');
    const auto exponent = static_cast<std::int64_t>(integer.size()) - 1 - static_cast<std::int64_t>(first);
    out += digits[first];
    if (last > first) {
        out += '.';
        out.append(digits, first + 1, last - first);
    }
    out += exponent < 0 ? "e-" : "e+";
    out += std::to_string(exponent < 0 ? -exponent : exponent);
}

}  // namespace

void WriteErrorText(const std::string& difference, bool typedNegative, std::string& out) {
    out.clear();
    if (difference == "+0,0") {
        out += '0';
        return;
    }
    const std::size_t comma = difference.find(',');
    const std::string_view integer = std::string_view(difference).substr(1, comma - 1);
    std::string_view fraction = std::string_view(difference).substr(comma + 1);
    if (fraction == "0") fraction = {};
    if ((difference[0] == '-') != typedNegative) out += '-';
    const std::size_t plainLength = out.size() + integer.size() + (fraction.empty() ? 0 : fraction.size() + 1);
    if (plainLength > MaxPlainErrorLength) {
        AppendScientific(out, integer, fraction);
        return;
    }
    out += integer;
    if (!fraction.empty()) out.append(".").append(fraction);
}

}  // namespace pexabit
