#include "ui/ReportControls.h"

#include "format/FieldTexts.h"
#include "window_report/FieldCaptions.h"

namespace pexabit {
namespace {

// The pieces of a result the window shows. Per-format pieces name their format in the table.
enum class Piece {
    Empty,
    SignPrefix,       // "S="
    ExponentPrefix,   // "E="
    MantissaPrefix,   // "M="
    Display,          // the value as the platform displays it
    SignCaption,      // "S= 0"
    ExponentCaption,  // "E=7B hex"
    MantissaCaption,  // "M=4CCCCD hex"
    Pattern,          // "3DCCCCCD"
    SignBit,
    ExponentBits,
    MantissaBits,
    View,             // the exact value the view choice picks
    DoubleMinusSingle,
    OriginalMinusDouble,
    OriginalMinusSingle,
};

constexpr PatternFormat S = PatternFormat::Single;
constexpr PatternFormat D = PatternFormat::Double;

struct Binding {
    const char* Control;
    Piece What;
    PatternFormat Format = S;  // for the per-format pieces
};

constexpr Binding BusyBindings[] = {
    {"Text7", Piece::Empty}, {"Text9", Piece::Empty}, {"Text12", Piece::Empty}, {"Text6", Piece::Empty},
    {"Text8", Piece::Empty}, {"Text10", Piece::Empty}, {"Text11", Piece::Empty},
    {"Label21", Piece::Empty}, {"Label22", Piece::Empty},
    {"Label15", Piece::SignPrefix}, {"Label16", Piece::ExponentPrefix}, {"Label17", Piece::MantissaPrefix},
    {"Label18", Piece::SignPrefix}, {"Label19", Piece::ExponentPrefix}, {"Label20", Piece::MantissaPrefix},
};

constexpr Binding ConvertedBindings[] = {
    {"Label21", Piece::Display, S}, {"Label22", Piece::Display, D},
    {"Label15", Piece::SignCaption, S}, {"Label16", Piece::ExponentCaption, S}, {"Label17", Piece::MantissaCaption, S},
    {"Label18", Piece::SignCaption, D}, {"Label19", Piece::ExponentCaption, D}, {"Label20", Piece::MantissaCaption, D},
    {"Text7", Piece::Pattern, S}, {"Text12", Piece::Pattern, D},
    {"Label9", Piece::SignBit, S}, {"Label10", Piece::ExponentBits, S}, {"Label11", Piece::MantissaBits, S},
    {"Text5", Piece::SignBit, D}, {"Text4", Piece::ExponentBits, D}, {"Text3", Piece::MantissaBits, D},
    {"Text9", Piece::View, S}, {"Text6", Piece::View, D},
    // A difference that was not computed stays as the busy state left it.
    {"Text8", Piece::DoubleMinusSingle}, {"Text10", Piece::OriginalMinusDouble}, {"Text11", Piece::OriginalMinusSingle},
};

constexpr Binding SingleSpecialBindings[] = {
    {"Text9", Piece::View, S}, {"Label21", Piece::Display, S},
    {"Label15", Piece::SignCaption, S}, {"Label16", Piece::ExponentCaption, S}, {"Label17", Piece::MantissaCaption, S},
    {"Label9", Piece::SignBit, S}, {"Label10", Piece::ExponentBits, S}, {"Label11", Piece::MantissaBits, S},
    {"Text2", Piece::Empty},
    {"Label18", Piece::SignPrefix}, {"Label19", Piece::ExponentPrefix}, {"Label20", Piece::MantissaPrefix},
    {"Text5", Piece::Empty}, {"Text4", Piece::Empty}, {"Text6", Piece::Empty}, {"Text3", Piece::Empty},
    {"Text8", Piece::Empty}, {"Text10", Piece::Empty}, {"Text11", Piece::Empty}, {"Text12", Piece::Empty},
};

constexpr Binding DoubleSpecialBindings[] = {
    {"Text6", Piece::View, D}, {"Label22", Piece::Display, D},
    {"Label18", Piece::SignCaption, D}, {"Label19", Piece::ExponentCaption, D}, {"Label20", Piece::MantissaCaption, D},
    {"Text2", Piece::Empty},
    {"Text5", Piece::SignBit, D}, {"Text4", Piece::ExponentBits, D}, {"Text3", Piece::MantissaBits, D},
    {"Text7", Piece::Empty}, {"Label9", Piece::Empty}, {"Label10", Piece::Empty}, {"Label11", Piece::Empty},
    {"Label15", Piece::SignPrefix}, {"Label16", Piece::ExponentPrefix}, {"Label17", Piece::MantissaPrefix},
    {"Text9", Piece::Empty}, {"Text8", Piece::Empty}, {"Text10", Piece::Empty}, {"Text11", Piece::Empty},
};

struct Source {
    const ConversionState& State;
    const ConvertResult& Result;
    ViewChoice View;
};

std::string FormatPieceText(const Source& s, Piece what, PatternFormat which) {
    const FloatFormat& format = FormatOf(which);
    const FormatPart& part = s.State.Part(which);
    const StoredValue& v = part.Stored;
    const bool single = which == S;
    switch (what) {
        case Piece::Display: return single ? s.Result.SingleDisplay : s.Result.DoubleDisplay;
        case Piece::SignCaption: return SignCaption(v.Negative);
        case Piece::ExponentCaption: return ExponentCaption(v.BiasedExponent);
        case Piece::MantissaCaption: return MantissaCaption(FractionHex(format, v));
        case Piece::Pattern: return PatternHex(format, v);
        case Piece::SignBit: return SignBitText(v);
        case Piece::ExponentBits: return ExponentBitsText(format, v);
        case Piece::MantissaBits: return FractionBitsText(format, v);
        default:
            return ExactView(part.Texts, single ? s.View.SingleBinary : s.View.DoubleBinary,
                             single ? s.View.SingleScientific : s.View.DoubleScientific);
    }
}

std::string PieceText(const Source& s, const Binding& b) {
    switch (b.What) {
        case Piece::Empty: return "";
        case Piece::SignPrefix: return "S=";
        case Piece::ExponentPrefix: return "E=";
        case Piece::MantissaPrefix: return "M=";
        case Piece::DoubleMinusSingle: return s.Result.DoubleMinusSingle;
        case Piece::OriginalMinusDouble: return s.Result.OriginalMinusDouble;
        case Piece::OriginalMinusSingle: return s.Result.OriginalMinusSingle;
        default: return FormatPieceText(s, b.What, b.Format);
    }
}

bool IsDifference(Piece p) {
    return p == Piece::DoubleMinusSingle || p == Piece::OriginalMinusDouble || p == Piece::OriginalMinusSingle;
}

template <std::size_t N>
ControlTexts Texts(const Source& s, const Binding (&bindings)[N]) {
    ControlTexts texts;
    texts.reserve(N);
    for (const Binding& b : bindings) {
        std::string text = PieceText(s, b);
        if (IsDifference(b.What) && text.empty()) continue;  // not computed
        texts.push_back({b.Control, std::move(text)});
    }
    return texts;
}

}  // namespace

ControlTexts BusyStateTexts() {
    const ConversionState none;
    const ConvertResult nothing;
    return Texts(Source{none, nothing, {}}, BusyBindings);
}

ControlTexts ConvertedTexts(const ConversionState& state, const ConvertResult& result, const ViewChoice& view) {
    return Texts(Source{state, result, view}, ConvertedBindings);
}

ControlTexts SpecialTexts(const ConversionState& state, const ConvertResult& result) {
    const Source s{state, result, {}};
    return result.Decoded == S ? Texts(s, SingleSpecialBindings) : Texts(s, DoubleSpecialBindings);
}

}  // namespace pexabit
