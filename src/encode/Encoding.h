#pragma once
// The middle of the convert operation: typed text -> canonical text -> Double -> Single -> bytes
// -> analysis, with the fixed infinity results for a format that overflowed.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "state/ConversionState.h"

namespace pexabit {

struct EncodeResult {
    // false: the canonical text would be longer than MaxCanonicalLength; the state is untouched.
    bool Accepted = false;
    // The number the conversion actually read, as a DecimalString: the whole canonical text for
    // a well-formed number, its numeric prefix otherwise ("+1,2" for 1,2,3). The "Original-"
    // differences are taken from it.
    std::string NumericPrefix;
    // Why ss.dat could not be written, when it could not. The state is right regardless.
    std::optional<std::string> ScratchError;
};

// True when `text` is the exact value of the stored Double or Single, as the hex buttons hand it
// over: DoubleExact or SingleExact of `state`, holding a number. Such a text is canonical
// already and passes CheckDecimalText. For a fresh state (no exact values yet) always false.
bool IsExactValueOf(const ConversionState& state, std::string_view text);

// Converts a text that CheckDecimalText accepted. Writes OriginalNumber, DoubleValue,
// SingleValue, both overflow flags, both byte arrays (taken from the values in memory) and every
// analysis field. An overflowing format gets its fixed results: exponent all ones, mantissa
// zero, "+Infinity"/"-Infinity" in its four value texts, with the typed sign; its value is that
// infinity. The infinity sign alone ("∞", "-∞") overflows both formats.
// When `scratchDirectory` is given, ss.dat is written there (WriteScratchFile).
// A format whose new bytes equal its previous ones keeps its pattern fields and exact-value
// texts instead of making them again; this relies on them having been made from those bytes,
// which every operation of the system guarantees whenever the Exact text holds a number.
// EncodeNumber(state, "0.1", nullptr): OriginalNumber "+0,1", SingleBytes CD CC CC 3D.
EncodeResult EncodeNumber(ConversionState& state, std::string_view text,
                          const std::filesystem::path* scratchDirectory);

// ss.dat in `directory`: bytes 0..3 the Single, 4..7 zeros, 8..15 the Double, little-endian.
// Created when missing; a longer existing file keeps its bytes beyond 15. nullopt on success,
// else why it failed.
std::optional<std::string> WriteScratchFile(const std::filesystem::path& directory,
                                            float singleValue, double doubleValue);

// The stored bytes of a value, least significant first.
std::array<std::uint8_t, 4> SingleBytesOf(float value);
std::array<std::uint8_t, 8> DoubleBytesOf(double value);

}  // namespace pexabit
