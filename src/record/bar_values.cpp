#include "record/bar_values.h"

namespace velk {

namespace {
void ApplyRows(const BarLibrary& lib, int material, int diameter, float& waveSpeedMs,
               float& modulusMpa, float& poisson, double& areaMm2, double& diameterMm) {
  const auto& materials = lib.Materials();
  if (material >= 0 && material < static_cast<int>(materials.size())) {
    waveSpeedMs = static_cast<float>(materials[material].waveSpeedMs);
    modulusMpa = static_cast<float>(materials[material].modulusMpa);
    poisson = static_cast<float>(materials[material].poisson);
  }
  const auto& diameters = lib.Diameters();
  if (diameter >= 0 && diameter < static_cast<int>(diameters.size())) {
    areaMm2 = diameters[diameter].areaMm2;
    diameterMm = diameters[diameter].diameterMm;
  }
}
}  // namespace

void ApplyBarRows(TestParameters& p, const BarLibrary& bars) {
  ApplyRows(bars, p.barMaterialIndex, p.barDiameterIndex, p.barWaveSpeedMs, p.barModulusMpa,
            p.barPoisson, p.barAreaMm2, p.barDiameterMm);
  if (p.trBarDiffers) {
    ApplyRows(bars, p.trBarMaterialIndex, p.trBarDiameterIndex, p.trBarWaveSpeedMs,
              p.trBarModulusMpa, p.trBarPoisson, p.trBarAreaMm2, p.trBarDiameterMm);
    return;
  }
  p.trBarMaterialIndex = p.barMaterialIndex;
  p.trBarDiameterIndex = p.barDiameterIndex;
  p.trBarWaveSpeedMs = p.barWaveSpeedMs;
  p.trBarModulusMpa = p.barModulusMpa;
  p.trBarPoisson = p.barPoisson;
  p.trBarAreaMm2 = p.barAreaMm2;
  p.trBarDiameterMm = p.barDiameterMm;
}

bool OnBuiltInBars(const TestParameters& p, const BarLibrary& bars) {
  return p.barMaterialIndex >= 0 && p.barMaterialIndex < bars.BuiltInMaterialCount() &&
         p.barDiameterIndex >= 0 && p.barDiameterIndex < bars.BuiltInDiameterCount();
}

}  // namespace velk
