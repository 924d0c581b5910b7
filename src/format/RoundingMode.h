#pragma once
// Placeholder of the rounding-mode interface until the branch that owns it is merged.
#include <optional>
#include <string_view>

namespace pexabit {

enum class RoundingMode { NearestEven, NearestAway, TowardZero, Up, Down };
std::optional<RoundingMode> FindRoundingMode(std::string_view name);
std::string_view RoundingModeName(RoundingMode mode);

}  // namespace pexabit
