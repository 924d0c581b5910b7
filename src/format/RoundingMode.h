#pragma once
// The five rounding modes of IEEE 754 and their names on the command line.

#include <optional>
#include <string_view>

namespace pexabit {

enum class RoundingMode {
    NearestEven,  // to the nearest value, ties to the one with an even last bit
    NearestAway,  // to the nearest value, ties away from zero
    TowardZero,   // truncation
    Up,           // toward +infinity
    Down,         // toward -infinity
};

// The mode of a command-line name: "nearest-even", "nearest-away", "toward-zero", "up", "down";
// nullopt for any other text. FindRoundingMode("up") == RoundingMode::Up.
std::optional<RoundingMode> FindRoundingMode(std::string_view name);

// The command-line name of a mode: RoundingModeName(RoundingMode::TowardZero) == "toward-zero".
std::string_view RoundingModeName(RoundingMode mode);

}  // namespace pexabit
