// Bar library file on fuzzed text: a refused file leaves exactly the rows there were, an accepted
// one holds only sound rows with unique names, and what is written reads back the same.
#include <cmath>
#include <cstdint>
#include <set>
#include <string>

#include "fuzz_input.h"
#include "record/bar_library.h"
#include "wave_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velk;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  BarLibrary lib;
  const std::string before = lib.ToJson();
  if (!lib.FromJson(text, "bars.json")) {
    if (lib.ToJson() != before || lib.Materials().size() != 2 || lib.Diameters().size() != 3) {
      fuzz::Fail("a refused library file changed the rows");
    }
    return 0;
  }
  std::set<std::string> names;
  for (const BarMaterialRow& m : lib.Materials()) {
    if (!names.insert(m.name).second) fuzz::Fail("duplicate material name accepted");
    if (!(m.waveSpeedMs > 0) || !(m.modulusMpa > 0) || !std::isfinite(m.waveSpeedMs)) {
      fuzz::Fail("material value out of range accepted");
    }
  }
  names.clear();
  for (const BarDiameterRow& d : lib.Diameters()) {
    if (!names.insert(d.name).second) fuzz::Fail("duplicate diameter name accepted");
    if (!(d.areaMm2 > 0) || !std::isfinite(d.areaMm2)) fuzz::Fail("diameter area out of range");
  }
  BarLibrary back;
  if (!back.FromJson(lib.ToJson(), "bars.json") || back.ToJson() != lib.ToJson()) {
    fuzz::Fail("library file just written does not read back the same");
  }
  return 0;
}
