#pragma once
// The stored values of a file, read one after another as the inputs of a report: each value's
// bytes at its offset, in the file's order, and where the file ends early, how. A file is never
// padded: a value that the file does not hold whole is reported short.

#include <cstdint>
#include <functional>
#include <string>

#include "cli/FileRead.h"
#include "cli/Streams.h"

namespace pexabit {

struct FileValue {
    std::uint64_t Offset = 0;  // the byte offset of the value's first byte
    std::string Hex;           // the bytes read, in the file's order, as upper-case hex digits
    // Nonempty: the file ends before this value is whole, and this says where:
    // "the file ends after 3 of the 8 bytes of a double; nothing is padded".
    std::string Short;
};

// The answer to one value, appended to `out`: true when it was converted.
using FileValueWork = std::function<bool(const FileValue& value, std::string& out)>;

// Reads the values of `width` bytes that `read` places in its file (standard input for "-"),
// answers each with `work`, and returns the exit status: 0, 1 when a value was refused or the
// file ended before the values asked for (said once, as the last value's answer), 2 when the
// file cannot be opened or read or the output cannot be written (said on `messages` with the
// system's reason: "pexabit-cli: 'data.bin' cannot be opened: No such file or directory").
int RunFileValues(const FileRead& read, int width, ByteSource& standardInput, ByteSink& output, ByteSink& messages,
                  const FileValueWork& work);

}  // namespace pexabit
