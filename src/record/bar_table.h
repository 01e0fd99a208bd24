#pragma once
// The bars a lab owns. Materials and diameters are rows of two tables, so a lab adds a bar by
// adding a row; everything else (lists in the setup dialog, the parameter file's reverse lookup)
// reads these tables.

#include <span>
#include <string>

namespace velk {

struct BarMaterial {
  const char* name;  // list text, the program's own (translated at display)
  float waveSpeedMs;
  float modulusMpa;
};

struct BarDiameter {
  const char* name;  // list text
  double areaMm2;    // 0.78539815 * D^2, the program's quarter-pi constant
};

std::span<const BarMaterial> BarMaterials();
std::span<const BarDiameter> BarDiameters();

}  // namespace velk
