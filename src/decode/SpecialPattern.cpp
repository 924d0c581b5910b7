#include "decode/SpecialPattern.h"

#include "decimal/Formats.h"
#include "decimal/PatternFields.h"
#include "encode/FieldCaptions.h"

namespace pexabit {
namespace {

std::int32_t SingleExponentOf(const ConversionState& s) {
    return (s.SingleBytes[2] >> 7) + (s.SingleBytes[3] & 127) * 2;
}

std::int32_t DoubleExponentOf(const ConversionState& s) {
    return (s.DoubleBytes[6] >> 4) + (s.DoubleBytes[7] & 127) * 16;
}

// The name and the "displayed in the Windows" caption; the sign plays no part for a NaN.
struct SpecialName {
    const char* Name;
    const char* Caption;
};

SpecialName NameOf(const std::string& mantissaBits, std::int32_t sign) {
    if (mantissaBits.find('1') != std::string::npos) {
        return {"NANs", "The number displayed in the  Windows F= Overflow"};
    }
    if (sign == 1) return {"-Infinity", "The number displayed in the  Windows F=-1,#INF"};
    return {"+Infinity", "The number displayed in the  Windows F=+1,#INF"};
}

void AddCleared(ControlTexts& report, std::initializer_list<const char*> controls) {
    for (const char* control : controls) report.push_back({control, ""});
}

ControlTexts SingleSpecialPath(ConversionState& s) {
    SetSingleFields(s);
    const SpecialName special = NameOf(s.SingleMantissaBits, s.SingleSign);
    s.SingleBinary = s.SingleBinarySci = s.SingleExact = s.SingleExactSci = special.Name;
    const std::string top = ByteToBits(s.SingleBytes[3]);
    ControlTexts r{{"Text9", special.Name},
                   {"Label21", special.Caption},
                   {"Label15", SignCaption(s.SingleSign)},
                   {"Label16", ExponentCaption(s.SingleExponent)},
                   {"Label17", MantissaCaption(s.SingleMantissaHex)},
                   {"Label9", top.substr(0, 1)},
                   {"Label10", top.substr(1) + ByteToBits(s.SingleBytes[2]).substr(0, 1)},
                   {"Label11", s.SingleMantissaBits},
                   {"Text2", ""},
                   {"Label18", "S="},
                   {"Label19", "E="},
                   {"Label20", "M="}};
    AddCleared(r, {"Text5", "Text4", "Text6", "Text3", "Text8", "Text10", "Text11", "Text12"});
    return r;
}

ControlTexts DoubleSpecialPath(ConversionState& s) {
    SetDoubleFields(s);
    const SpecialName special = NameOf(s.DoubleMantissaBits, s.DoubleSign);
    s.DoubleBinary = s.DoubleBinarySci = s.DoubleExact = s.DoubleExactSci = special.Name;
    const std::string top = ByteToBits(s.DoubleBytes[7]);
    ControlTexts r{{"Text6", special.Name},
                   {"Label22", special.Caption},
                   {"Label18", SignCaption(s.DoubleSign)},
                   {"Label19", ExponentCaption(s.DoubleExponent)},
                   {"Label20", MantissaCaption(s.DoubleMantissaHex)},
                   {"Text2", ""},
                   {"Text5", top.substr(0, 1)},
                   {"Text4", top.substr(1) + ByteToBits(s.DoubleBytes[6]).substr(0, 4)},
                   {"Text3", s.DoubleMantissaBits},
                   {"Text7", ""},
                   {"Label9", ""},
                   {"Label10", ""},
                   {"Label11", ""},
                   {"Label15", "S="},
                   {"Label16", "E="},
                   {"Label17", "M="}};
    AddCleared(r, {"Text9", "Text8", "Text10", "Text11"});
    return r;
}

}  // namespace

void SetFormatFields(ConversionState& state, PatternFormat format, bool withHex) {
    if (format == PatternFormat::Single) {
        SetSingleFields(state);
        if (withHex) SetSingleHex(state);
    } else {
        SetDoubleFields(state);
        if (withHex) SetDoubleHex(state);
    }
}

bool IsAllOnesExponent(const ConversionState& state, PatternFormat format) {
    return format == PatternFormat::Single ? SingleExponentOf(state) == SingleFormat.AllOnesExponent
                                           : DoubleExponentOf(state) == DoubleFormat.AllOnesExponent;
}

ControlTexts DecodeSpecialPattern(ConversionState& state, PatternFormat format) {
    return format == PatternFormat::Single ? SingleSpecialPath(state) : DoubleSpecialPath(state);
}

}  // namespace pexabit
