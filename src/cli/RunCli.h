#pragma once
// The whole command line on given streams: the options read, then the help, the version, a
// usage error or the chosen report over the inputs. The program runs it on the standard streams;
// a test or a fuzzer runs it in memory.

#include <functional>
#include <span>
#include <string>

#include "cli/Streams.h"

namespace pexabit {

struct CliStreams {
    ByteSource& Input;   // standard input: the lines read when no TEXT is given
    ByteSink& Output;    // standard output: the answers, the help, the version
    ByteSink& Messages;  // standard error: usage errors, failures, the hint for typed input
};

// What the run takes from around the program, asked only where it is needed.
struct CliSurroundings {
    // The user's decimal separator for the window report's displayed values.
    std::function<std::string()> DecimalSeparator = [] { return std::string("."); };
    // Whether standard input is a terminal: then, without TEXT, a one-line hint says what to
    // type and how to end.
    std::function<bool()> InputIsTerminal = [] { return false; };
};

// Runs pexabit-cli with `arguments` (without the program's name) and returns its exit status.
int RunCli(std::span<const char* const> arguments, const CliStreams& streams, const CliSurroundings& surroundings);

}  // namespace pexabit
