#include "format/RoundingMode.h"

#include <array>
#include <utility>

namespace pexabit {

namespace {

constexpr std::array<std::pair<RoundingMode, std::string_view>, 5> ModeNames{{
    {RoundingMode::NearestEven, "nearest-even"},
    {RoundingMode::NearestAway, "nearest-away"},
    {RoundingMode::TowardZero, "toward-zero"},
    {RoundingMode::Up, "up"},
    {RoundingMode::Down, "down"},
}};

}  // namespace

std::optional<RoundingMode> FindRoundingMode(std::string_view name) {
    for (const auto& [mode, modeName] : ModeNames) {
        if (modeName == name) return mode;
    }
    return std::nullopt;
}

std::string_view RoundingModeName(RoundingMode mode) {
    for (const auto& [m, modeName] : ModeNames) {
        if (m == mode) return modeName;
    }
    return {};
}

}  // namespace pexabit
