#pragma once
// The formats the window shows come from the one format model.

#include "format/FloatFormat.h"
