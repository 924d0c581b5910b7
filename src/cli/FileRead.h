#pragma once
// Where the every-format report reads stored values from a file (--file and the options that
// place the values in it): kept apart so that the options and the reader share it.

#include <cstdint>
#include <optional>
#include <string_view>

namespace pexabit {

struct FileRead {
    std::string_view Path;                // --file PATH; "-": standard input, read as bytes
    std::uint64_t Offset = 0;             // --offset: the first value's first byte
    std::optional<std::uint64_t> Count;   // --count: the values to read; nullopt: to the end
    std::optional<std::uint64_t> Stride;  // --stride: bytes from a value to the next; nullopt: its width
};

}  // namespace pexabit
