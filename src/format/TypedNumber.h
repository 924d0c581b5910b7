#pragma once
// Placeholder of the parsed-text interface until the branch that owns it is merged.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pexabit {

struct TypedNumber {
    enum class Kind { Finite, Infinity, Nan };
    Kind Type = Kind::Finite;
    bool Negative = false;
    bool Hex = false;
    std::string Digits;
    std::int64_t Exponent = 0;
    bool Signalling = false;
    std::optional<std::string> Payload;
};
struct ParsedText {
    std::optional<TypedNumber> Number;
    std::string Error;
};
ParsedText ParseTypedNumber(std::string_view text);

}  // namespace pexabit
