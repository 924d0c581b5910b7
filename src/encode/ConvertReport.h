#pragma once
// The convert operation ("Pexabit" button) as data: from the typed text to every text that the
// window shows afterwards. The window only applies these texts around its busy state; the
// command line prints them.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "state/ControlTexts.h"
#include "state/ConversionState.h"

namespace pexabit {

inline constexpr std::string_view InvalidNumberMessage =
    "You entered an invalid value of the initial number";

// Which of the four exact-value texts each box shows: the "BIN" option (else "DEC") and the
// "Exp" check box (checked state only) of each format.
struct ViewChoice {
    bool SingleBinary = false;      // Option1 selected (else Option2)
    bool SingleScientific = false;  // Check1 checked
    bool DoubleBinary = false;      // Option3 selected (else Option4)
    bool DoubleScientific = false;  // Check2 checked
};

// The view table: SingleBinary / SingleBinarySci / SingleExact / SingleExactSci (and the
// Double's) chosen by the option and the check box.
const std::string& SingleView(const ConversionState& state, bool binary, bool scientific);
const std::string& DoubleView(const ConversionState& state, bool binary, bool scientific);

// The texts that the busy state clears before a conversion starts: Text7, Text9, Text12,
// Text6, Text8, Text10, Text11 empty; Label21, Label22 empty; Label15..Label20 the bare
// prefixes "S=", "E=", "M=".
ControlTexts BusyStateTexts();

// The check that comes before any work, so that the window can answer a refused text before
// entering its busy state: the characters (CheckDecimalText) and the length of the canonical
// text (at most MaxCanonicalLength characters). ConvertDecimal accepts exactly these texts.
bool AcceptDecimalText(std::string_view text);

struct ConvertOutcome {
    // false: the text is refused; the window writes InvalidNumberMessage into Text2 and changes
    // nothing else. The state is then untouched.
    bool Accepted = false;
    // The texts of the report in the order the window applies them: Label21, Label22, the field
    // labels, Text7, Text12, the bit fields, Text9, Text6, then the differences that were
    // computed (Text8, Text10, Text11).
    ControlTexts Report;
    // Set when ss.dat could not be written into the scratch directory: why, for the user. The
    // report is right regardless.
    std::optional<std::string> ScratchError;
};

// The texts of the convert report that the state does not hold: the two display captions and
// the three differences. A difference is empty when its format overflowed and the operation
// does not compute it (Text8 needs both formats, Text10 the Double, Text11 the Single); a
// computed one always has digits.
struct ConvertResultTexts {
    std::string Label21, Label22;
    std::string Text8, Text10, Text11;
};

// The convert operation without assembling its report: the check, the encoding into `state`,
// the captions and the differences into `results` (whose storage is reused). False when the
// text is refused; the state and `results` are then untouched. ConvertDecimal is this call
// followed by AssembleConvertReport; a front end that reads the fields from the state needs no
// more.
// For "0.1": true, results.Text10 "-5,5511151231257827021181583404541015625e-18".
bool ConvertDecimalResults(ConversionState& state, std::string_view text,
                           std::string_view decimalSeparator,
                           const std::filesystem::path* scratchDirectory,
                           ConvertResultTexts& results, std::optional<std::string>& scratchError);

// The report of a conversion that ConvertDecimalResults accepted, in the order of
// ConvertOutcome::Report, from the state, the view and the results.
ControlTexts AssembleConvertReport(const ConversionState& state, const ViewChoice& view,
                                   ConvertResultTexts results);

// The whole convert operation on `text` as typed into Text2. `decimalSeparator` is the user's
// separator for the default text forms of the values ("," or "."). When `scratchDirectory` is
// given, the 16-byte ss.dat is written there.
ConvertOutcome ConvertDecimal(ConversionState& state, std::string_view text,
                              const ViewChoice& view, std::string_view decimalSeparator,
                              const std::filesystem::path* scratchDirectory);

}  // namespace pexabit
