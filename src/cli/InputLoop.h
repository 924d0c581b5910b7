#pragma once
// The run over the inputs, one for both reports: each TEXT of the command line, or each line of
// a stream, is one input, and a UTF-8 byte order mark that some editors write first belongs to
// the stream, not to its first line, so it is dropped there; the answers go out in large writes, flushed whenever reading would
// wait (cli/Streams.h); a stream that cannot be read or an output that cannot be written ends
// the run with status 2 and says why. Where the inputs come from and where the answers and that
// message go is the caller's choice: the standard streams for the program, memory for a test.

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "cli/Streams.h"

namespace pexabit {

// The exit statuses of pexabit-cli.
inline constexpr int ExitConverted = 0;  // every input converted (and --help, --version)
inline constexpr int ExitRefused = 1;    // some input refused; its answer says why
inline constexpr int ExitFailure = 2;    // a usage error, or input or output that failed

struct InputStreams {
    std::span<const std::string_view> Texts;  // the inputs; empty: every line of Lines is one
    ByteSource& Lines;
    ByteSink& Output;    // the answers
    ByteSink& Messages;  // why the run failed (standard error)
};

// The answer to one input, appended to `out`: true when the input was converted, false when it
// was refused.
using InputWork = std::function<bool(std::string_view input, std::string& out)>;

// Runs `work` on every input and returns the exit status. A failed read or write is said on
// Messages with its reason, the one kept when it failed (not whatever errno holds later):
// "pexabit-cli: the output cannot be written: No space left on device\n".
int RunInputs(const InputStreams& streams, const InputWork& work);

// Says "pexabit-cli: <what>: <the reason of errno `error`>" on `messages`; returns ExitFailure.
int Failed(ByteSink& messages, std::string_view what, int error);

}  // namespace pexabit
