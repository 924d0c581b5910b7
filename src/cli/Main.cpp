// pexabit-cli: the window report (the convert operation and the two hex buttons of the window)
// or the every-format report on a terminal, run on the standard streams. Each TEXT (or each
// line of standard input) is one input, run from a fresh state.

#include <unistd.h>

#include <clocale>
#include <cstddef>
#include <string>

#include "cli/RunCli.h"

namespace {

// The user's decimal separator for the displayed values; "." when the locale gives none.
std::string UserDecimalSeparator() {
    std::setlocale(LC_ALL, "");
    const std::lconv* conventions = std::localeconv();
    if (conventions == nullptr || conventions->decimal_point == nullptr ||
        conventions->decimal_point[0] == '\0') {
        return ".";
    }
    return conventions->decimal_point;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace pexabit;
    FileSource standardInput(STDIN_FILENO);
    FileSink standardOutput(STDOUT_FILENO), standardError(STDERR_FILENO);
    const CliSurroundings surroundings{UserDecimalSeparator, [] { return isatty(STDIN_FILENO) != 0; }};
    return RunCli({argv + 1, static_cast<std::size_t>(argc > 0 ? argc - 1 : 0)},
                  CliStreams{standardInput, standardOutput, standardError}, surroundings);
}
