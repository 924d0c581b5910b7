// Prints every format's names, a line per descriptor in the order of AllFormats: the name, then
// its aliases, blank-separated ("half" while half has none). check-format-names.py reads them.
#include <cstdio>
#include <string>

#include "format/FloatFormat.h"

int main() {
    for (const pexabit::FloatFormat* format : pexabit::AllFormats) {
        std::string line(format->Name);
        for (std::string_view alias : format->Aliases) line.append(" ").append(alias);
        std::puts(line.c_str());
    }
    return 0;
}
