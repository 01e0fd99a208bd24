#pragma once
// The bar values of the test parameters from the rows of the bar library their indices choose.

#include "record/bar_library.h"
#include "record/workspace.h"

namespace velk {

// Sets the incident bar's wave speed, modulus, Poisson's ratio, area and diameter from the rows
// p.barMaterialIndex and p.barDiameterIndex, and the transmission bar's from its own rows when
// p.trBarDiffers, else from the incident bar. An index outside a list leaves those values.
void ApplyBarRows(TestParameters& p, const BarLibrary& bars);

// True when both of the incident bar's rows are built-in ones.
bool OnBuiltInBars(const TestParameters& p, const BarLibrary& bars);

}  // namespace velk
