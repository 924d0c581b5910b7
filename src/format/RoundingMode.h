#pragma once
// The five rounding modes of IEEE 754 and their names on the command line.

#include <array>
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

struct NamedRoundingMode {
    RoundingMode Mode;
    std::string_view Name;
};

// Every mode with its command-line name, the default first, in the order the help lists them:
// RoundingModeNames[0] is {RoundingMode::NearestEven, "nearest-even"}.
inline constexpr std::array<NamedRoundingMode, 5> RoundingModeNames{{
    {RoundingMode::NearestEven, "nearest-even"},
    {RoundingMode::NearestAway, "nearest-away"},
    {RoundingMode::TowardZero, "toward-zero"},
    {RoundingMode::Up, "up"},
    {RoundingMode::Down, "down"},
}};

// The mode of a command-line name of RoundingModeNames, in any case; nullopt for any other text.
// FindRoundingMode("up") == FindRoundingMode("Up") == RoundingMode::Up.
std::optional<RoundingMode> FindRoundingMode(std::string_view name);

// The command-line name of a mode: RoundingModeName(RoundingMode::TowardZero) == "toward-zero".
std::string_view RoundingModeName(RoundingMode mode);

}  // namespace pexabit
