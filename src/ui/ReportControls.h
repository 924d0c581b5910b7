#pragma once
// Where the window shows each piece of a typed result: one table per operation, beside the
// control table, mapping the pieces (a format's pattern, its field captions and bits, its
// exact-value view, the displayed values, the differences) to the controls, in the order the
// window applies them.

#include <string>
#include <vector>

#include "window_report/ConversionState.h"
#include "window_report/ConvertReport.h"

namespace pexabit {

// The new text of one control (text box) or its caption (label).
struct ControlText {
    std::string Control;  // object name of the control
    std::string Text;
};

using ControlTexts = std::vector<ControlText>;

// Which of the four exact-value texts each box shows: the "BIN" option (else "DEC") and the
// "Exp" check box (checked state only) of each format.
struct ViewChoice {
    bool SingleBinary = false;      // Option1 selected (else Option2)
    bool SingleScientific = false;  // Check1 checked
    bool DoubleBinary = false;      // Option3 selected (else Option4)
    bool DoubleScientific = false;  // Check2 checked
};

// What the busy state of the convert button clears: the patterns, the exact values, the
// differences and the displayed values emptied, the field captions down to "S=", "E=", "M=".
ControlTexts BusyStateTexts();

// The report of a Converted result: displayed values, field captions, patterns, bits, the two
// exact-value views, then the differences that were computed.
ControlTexts ConvertedTexts(const ConversionState& state, const ConvertResult& result, const ViewChoice& view);

// The report of a Special result: the decoded format's name, caption, fields and bits, the
// decimal number and the other format cleared.
ControlTexts SpecialTexts(const ConversionState& state, const ConvertResult& result);

}  // namespace pexabit
