#include "cli/InputLoop.h"

#include <cstring>

namespace pexabit {
namespace {

// U+FEFF in UTF-8: the byte order mark some editors write at the start of a file.
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

std::string_view WithoutByteOrderMark(std::string_view firstLine) {
    return firstLine.substr(0, ByteOrderMark.size()) == ByteOrderMark ? firstLine.substr(ByteOrderMark.size())
                                                                        : firstLine;
}

}  // namespace

int Failed(ByteSink& messages, std::string_view what, int error) {
    std::string message = "pexabit-cli: ";
    message.append(what).append(": ").append(std::strerror(error)).append("\n");
    messages.Write(message);
    return ExitFailure;
}

int RunInputs(const InputStreams& streams, const InputWork& work) {
    OutputBuffer output(streams.Output);
    bool allConverted = true;
    const auto answer = [&](std::string_view input) {
        allConverted &= work(input, output.Text());
        output.FlushIfLarge();
    };
    if (!streams.Texts.empty()) {
        for (std::string_view text : streams.Texts) answer(text);
    } else {
        LineReader reader(streams.Lines, output);
        std::string line;
        for (bool first = true; reader.Next(line); first = false) answer(first ? WithoutByteOrderMark(line) : line);
        if (reader.ReadError() != 0) {
            output.Flush();
            return Failed(streams.Messages, "standard input cannot be read", reader.ReadError());
        }
    }
    // Without the message a full disk or a closed pipe would pass unnoticed by the user.
    if (!output.Flush()) return Failed(streams.Messages, "the output cannot be written", output.WriteError());
    return allConverted ? ExitConverted : ExitRefused;
}

}  // namespace pexabit
