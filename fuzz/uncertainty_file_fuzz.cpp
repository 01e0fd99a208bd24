// Uncertainty file reader on fuzzed text: a refused file leaves the inputs as they were, an
// accepted one holds only usable uncertainties, writes back to the same values, and gives finite
// draws.
#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string_view>

#include "analysis/uncertainty.h"
#include "wave_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velk;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  UncertaintyInputs in;
  in.barModulusPercent = 7.0;
  if (ParseUncertaintyInputs(text, in)) {
    if (in.barModulusPercent != 7.0 || in.windowStartSamples != 1)
      fuzz::Fail("refused file changed inputs");
    return 0;
  }
  const double reals[] = {in.gaugeFactorPercent,  in.conversionFactorPercent, in.barModulusPercent,
                          in.barWaveSpeedPercent, in.barDiameterMm,           in.specimenDiameterMm,
                          in.specimenThicknessMm, in.samplingFrequencyPpm};
  for (double v : reals) {
    if (!std::isfinite(v) || v < 0.0) fuzz::Fail("unusable uncertainty accepted");
  }
  if (in.windowStartSamples < 0 || in.windowStartSamples > 1000)
    fuzz::Fail("window shift accepted");

  UncertaintyInputs back;
  if (ReadUncertaintyInputs(nlohmann::json(in), back)) fuzz::Fail("written inputs refused");
  if (nlohmann::json(back) != nlohmann::json(in))
    fuzz::Fail("inputs changed through the file form");

  for (const Perturbation& q : DrawPerturbations(in, 4, 1)) {
    if (!std::isfinite(q.barModulusRel) || !std::isfinite(q.samplingFrequencyRel)) {
      fuzz::Fail("draw not finite");
    }
    for (int s : q.windowStartShift) {
      if (s < -in.windowStartSamples || s > in.windowStartSamples)
        fuzz::Fail("shift outside its range");
    }
  }
  return 0;
}
