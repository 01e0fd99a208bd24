// Parameter file loader on fuzzed text: every index it derives lies inside its table, the sampling
// frequency never comes from a zero or non-finite interval, and the file written from what was
// loaded reads back to the same window indices and bar choice.
#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz_input.h"
#include "record/bar_table.h"
#include "record/param_file.h"
#include "wave_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velk;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  TestParameters p;
  p.samplingMhz = 5.0f;
  p.sampleIntervalUs = 0.2;
  ParseParameterFile(text, p);

  if (p.barMaterialIndex < 0 || p.barMaterialIndex >= static_cast<int>(BarMaterials().size()) ||
      p.barDiameterIndex < 0 || p.barDiameterIndex >= static_cast<int>(BarDiameters().size())) {
    fuzz::Fail("bar index outside its table");
  }
  if (!(p.sampleIntervalUs != 0.0) || !std::isfinite(p.sampleIntervalUs) ||
      !std::isfinite(p.samplingMhz) || p.samplingMhz == 0.0f) {
    fuzz::Fail("sample interval or frequency unusable after a load");
  }

  // Through a real file, as the save and open commands do.
  const std::string path = fuzz::ScratchDir() + "/test.PAT";
  if (!StoreParameterFile(path, p)) fuzz::Fail("parameter file could not be stored");
  TestParameters q;
  q.samplingMhz = 5.0f;
  q.sampleIntervalUs = 0.2;
  if (!LoadParameterFile(path, q)) fuzz::Fail("parameter file just written could not be loaded");
  if (q.windowIndices != p.windowIndices) fuzz::Fail("window indices changed through a file");
  if (q.barMaterialIndex != p.barMaterialIndex || q.barDiameterIndex != p.barDiameterIndex) {
    fuzz::Fail("bar choice changed through a file");
  }

  // With the bar library: every index chooses a row, and a file written from what was loaded
  // chooses the same rows again.
  Workspace ws;
  ws.params.samplingMhz = 5.0f;
  ws.params.sampleIntervalUs = 0.2;
  ParseParameterFile(text, ws, "f.PAT");
  auto inside = [](int i, std::size_t n) { return i >= 0 && i < static_cast<int>(n); };
  const TestParameters& w = ws.params;
  if (!inside(w.barMaterialIndex, ws.bars.Materials().size()) ||
      !inside(w.barDiameterIndex, ws.bars.Diameters().size()) ||
      !inside(w.trBarMaterialIndex, ws.bars.Materials().size()) ||
      !inside(w.trBarDiameterIndex, ws.bars.Diameters().size())) {
    fuzz::Fail("bar index outside the library");
  }
  const std::string written = FormatParameterFile(ws);
  Workspace again = ws;
  ParseParameterFile(written, again, "f.PAT");
  if (again.params.barMaterialIndex != ws.params.barMaterialIndex ||
      again.params.trBarDiffers != ws.params.trBarDiffers) {
    fuzz::Fail("bar rows changed through a file");
  }
  return 0;
}
