#pragma once
// The three fonts of the window besides the dialog font, with the fallbacks installed on Linux:
// Courier New else Liberation Mono (same metrics) else DejaVu Sans Mono; MS Sans Serif else
// DejaVu Sans; and the dialog font made narrow for the captions beside an indicator.

#include <QFont>

#include "ui/ControlTable.h"

namespace pexabit {

// The font of `choice`; FontChoice::Dialog gives the application's default font.
// WindowFont(FontChoice::Mono14).pointSizeF() == 14.25
QFont WindowFont(FontChoice choice);

}  // namespace pexabit
