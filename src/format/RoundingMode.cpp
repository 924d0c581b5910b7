#include "format/RoundingMode.h"

#include "text/Characters.h"

namespace pexabit {

std::optional<RoundingMode> FindRoundingMode(std::string_view name) {
    for (const auto& [mode, modeName] : RoundingModeNames) {
        if (EqualIgnoringCase(modeName, name)) return mode;
    }
    return std::nullopt;
}

std::string_view RoundingModeName(RoundingMode mode) {
    for (const auto& [m, modeName] : RoundingModeNames) {
        if (m == mode) return modeName;
    }
    return {};
}

}  // namespace pexabit
