#pragma once
// Every control of the window as data: name, kind, container, initial text, font, colours,
// style and position in twips, in creation order. The window is built from this table, and the
// tests read it back from the widgets.

#include <array>
#include <cstdint>

namespace pexabit {

enum class ControlKind {
    Frame,         // group box holding controls
    Label,         // static text
    TextBox,       // one-line edit field
    TextBoxHScroll,  // multi-line edit field, no wrapping, horizontal scroll bar
    TextBoxVScroll,  // multi-line edit field, wrapping, vertical scroll bar
    Button,
    CheckBox,
    OptionButton,  // one group per container
};

// Dialog: the application's font. SansNarrow: the same size, narrow, so that the captions of
// the option buttons and check boxes fit their boxes beside the style's indicator.
enum class FontChoice { Dialog, Mono14, Mono8, Sans12, SansNarrow };

struct Rgb {
    bool Set = false;
    std::uint8_t Red = 0, Green = 0, Blue = 0;
};

inline constexpr Rgb NoColour{};
inline constexpr Rgb SignRed{true, 255, 0, 0};
inline constexpr Rgb ExponentGreen{true, 0, 192, 0};
inline constexpr Rgb MantissaCyan{true, 128, 255, 255};
inline constexpr Rgb MakerBlue{true, 0, 0, 255};

// Style flags, combined with |.
enum StyleFlag : unsigned {
    Plain = 0,
    RightAligned = 1U << 0U,
    Centred = 1U << 1U,
    SingleBorder = 1U << 2U,
    ReadOnly = 1U << 3U,
    HiddenAtStart = 1U << 4U,
    SelectedAtStart = 1U << 5U,
    Graphical = 1U << 6U,  // a button that shows its background colour as a flat face
};

struct ControlSpec {
    const char* Name;
    ControlKind Kind;
    const char* Container;  // nullptr: the window itself
    const char* Text;
    FontChoice Font;
    Rgb Background;
    Rgb Foreground;
    unsigned Style;
    int Left, Top, Width, Height;  // twips, relative to the container
};

inline constexpr int TwipsPerPixel = 15;  // 1440 twips per inch at 96 dots per inch
inline constexpr int ClientWidthTwips = 13560;   // 904 pixels
inline constexpr int ClientHeightTwips = 9480;   // 632 pixels

inline constexpr int ToPixels(int twips) { return (twips + TwipsPerPixel / 2) / TwipsPerPixel; }

inline constexpr std::size_t ControlCount = 46;

// The controls in creation order (later ones are drawn above earlier ones).
extern const std::array<ControlSpec, ControlCount> Controls;

}  // namespace pexabit
