#include "ui/ControlTable.h"

namespace pexabit {
namespace {

using K = ControlKind;
using F = FontChoice;
constexpr const char* Window = nullptr;

// 52 and 23 zeros: the empty Double and Single mantissa fields.
constexpr const char* Zeros52 = "0000000000000000000000000000000000000000000000000000";
constexpr const char* Zeros23 = "00000000000000000000000";

}  // namespace

const std::array<ControlSpec, ControlCount> Controls = {{
    {"AboutFrame", K::Frame, Window, "Program Information", F::Dialog, NoColour, NoColour, HiddenAtStart, 1305, 0, 6405, 4110},
    {"AboutLabel", K::Label, "AboutFrame", "", F::Dialog, NoColour, NoColour, Plain, 1980, 315, 2220, 285},
    {"AboutMakerLabel", K::Label, "AboutFrame", "Tavrilendor", F::Sans12, NoColour, MakerBlue, Plain, 405, 1485, 1320, 420},
    {"Frame1", K::Frame, Window, "Setting", F::Dialog, NoColour, NoColour, HiddenAtStart, 630, 0, 9240, 4110},
    {"Command1", K::Button, "Frame1", "Change", F::Dialog, NoColour, NoColour, Plain, 7560, 540, 1095, 285},
    {"Text1", K::TextBox, "Frame1", "", F::Dialog, NoColour, NoColour, ReadOnly, 225, 540, 7215, 285},
    {"Label1", K::Label, "Frame1", "The directory to store the results", F::Dialog, NoColour, NoColour, Plain, 180, 270, 3300, 240},
    {"Command4", K::Button, Window, "Double hex", F::Dialog, NoColour, NoColour, Graphical, 7020, 4095, 1095, 330},
    {"Text12", K::TextBox, Window, "0000000000000000", F::Mono14, NoColour, NoColour, Plain, 4185, 4095, 2760, 375},
    {"Text11", K::TextBoxHScroll, Window, "", F::Dialog, NoColour, NoColour, Plain, 4320, 8550, 7800, 585},
    {"Text10", K::TextBoxHScroll, Window, "", F::Dialog, NoColour, NoColour, Plain, 4320, 7965, 7800, 585},
    {"Frame3", K::Frame, Window, "Precise value of received from Double:", F::Dialog, NoColour, NoColour, Plain, 270, 5895, 12075, 1410},
    {"Text6", K::TextBoxVScroll, "Frame3", "", F::Mono8, NoColour, NoColour, Plain, 945, 315, 10905, 960},
    {"Check2", K::CheckBox, "Frame3", "Exp", F::SansNarrow, NoColour, NoColour, Plain, 225, 1035, 645, 240},
    {"Option4", K::OptionButton, "Frame3", "DEC", F::SansNarrow, NoColour, NoColour, SelectedAtStart, 225, 630, 645, 240},
    {"Option3", K::OptionButton, "Frame3", "BIN", F::SansNarrow, NoColour, NoColour, Plain, 225, 315, 600, 240},
    {"Frame2", K::Frame, Window, "Precise value of received from Single", F::Dialog, NoColour, NoColour, Plain, 225, 2655, 12075, 1365},
    {"Text9", K::TextBoxVScroll, "Frame2", "", F::Mono8, NoColour, NoColour, Plain, 945, 270, 10905, 960},
    {"Check1", K::CheckBox, "Frame2", "Exp", F::SansNarrow, NoColour, NoColour, Plain, 135, 990, 600, 240},
    {"Option2", K::OptionButton, "Frame2", "DEC", F::SansNarrow, NoColour, NoColour, SelectedAtStart, 135, 585, 690, 285},
    {"Option1", K::OptionButton, "Frame2", "BIN", F::SansNarrow, NoColour, NoColour, Plain, 135, 270, 600, 285},
    {"Text8", K::TextBoxHScroll, Window, "", F::Dialog, NoColour, NoColour, Plain, 4320, 7380, 7800, 585},
    {"Command3", K::Button, Window, "Single hex", F::Dialog, NoColour, NoColour, Graphical, 5490, 900, 1095, 330},
    {"Text7", K::TextBox, Window, "00000000", F::Mono14, NoColour, NoColour, Plain, 4005, 900, 1410, 375},
    {"Text5", K::TextBox, Window, "0", F::Mono14, SignRed, NoColour, Plain, 345, 4470, 375, 495},
    {"Text4", K::TextBox, Window, "00000000000", F::Mono14, ExponentGreen, NoColour, Plain, 705, 4470, 1935, 495},
    {"Text3", K::TextBox, Window, Zeros52, F::Mono14, MantissaCyan, NoColour, Plain, 2625, 4470, 8715, 495},
    {"Command2", K::Button, Window, "Pexabit", F::Dialog, NoColour, NoColour, Graphical, 11070, 900, 1095, 330},
    {"Text2", K::TextBoxHScroll, Window, "", F::Dialog, NoColour, NoColour, Plain, 285, 270, 11910, 600},
    {"Label5", K::Label, Window, "Original-Single=", F::Mono14, NoColour, NoColour, RightAligned, 225, 8550, 4065, 375},
    {"Label4", K::Label, Window, "Original-Double=", F::Mono14, NoColour, NoColour, RightAligned, 225, 7965, 4065, 330},
    {"Label3", K::Label, Window, "Double-Single=", F::Mono14, NoColour, NoColour, RightAligned, 270, 7380, 4020, 375},
    {"Label22", K::Label, Window, "", F::Mono14, NoColour, NoColour, Plain, 165, 5430, 12615, 375},
    {"Label21", K::Label, Window, "", F::Mono14, NoColour, NoColour, Plain, 120, 2250, 12330, 315},
    {"Label20", K::Label, Window, "M=", F::Sans12, NoColour, NoColour, RightAligned, 6345, 5040, 4995, 315},
    {"Label19", K::Label, Window, "E=", F::Sans12, NoColour, NoColour, RightAligned, 720, 5040, 1875, 315},
    {"Label18", K::Label, Window, "S=", F::Sans12, NoColour, NoColour, Plain, 105, 5040, 555, 315},
    {"Label17", K::Label, Window, "M=", F::Sans12, NoColour, NoColour, RightAligned, 2220, 1830, 3795, 315},
    {"Label16", K::Label, Window, "E=", F::Sans12, NoColour, NoColour, RightAligned, 660, 1830, 1395, 315},
    {"Label15", K::Label, Window, "S=", F::Sans12, NoColour, NoColour, Plain, 60, 1830, 555, 315},
    {"Label11", K::Label, Window, Zeros23, F::Mono14, MantissaCyan, NoColour, SingleBorder, 2040, 1290, 3975, 495},
    {"Label10", K::Label, Window, "00000000", F::Mono14, ExponentGreen, NoColour, SingleBorder, 660, 1290, 1395, 495},
    {"Label9", K::Label, Window, "0", F::Mono14, SignRed, NoColour, SingleBorder | Centred, 300, 1290, 375, 495},
    {"Label8", K::Label, Window, "Double(64bit Pexabit)=", F::Mono14, NoColour, NoColour, RightAligned, 360, 4140, 3795, 315},
    {"Label7", K::Label, Window, "Single(32bit Pexabit)=", F::Mono14, NoColour, NoColour, Plain, 315, 945, 3690, 315},
    {"Label2", K::Label, Window, "The original decimal number:", F::Dialog, NoColour, NoColour, Plain, 270, 0, 2655, 255},
}};

}  // namespace pexabit
