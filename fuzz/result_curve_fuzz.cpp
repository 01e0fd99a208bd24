// The result-file reader and the mean curve on fuzzed text: a curve read has a stress for every
// strain, and the mean of two copies of it is the curve itself with no spread.
#include <cmath>
#include <cstdint>
#include <string>

#include "analysis/comparison.h"
#include "tools/result_curve_reader.h"
#include "wave_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velk;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const ResultCurveRead r = ParseResultCurve(text, "fuzz.DT2");
  if (!r.ok()) return 0;
  if (r.curve.strain.empty() || r.curve.strain.size() != r.curve.stress.size())
    fuzz::Fail("a curve read without a stress for every strain");
  const StressStrainCurve twice[] = {r.curve, r.curve};
  const MeanCurveResult m = ComputeMeanCurve(twice, 64);
  if (!m.ok()) return 0;
  // Beyond about 1e300 a sum or a difference of two values overflows: no digits to compare.
  for (const auto* v : {&r.curve.strain, &r.curve.stress}) {
    for (double x : *v) {
      if (!(std::abs(x) < 1e300)) return 0;
    }
  }
  const StressStrainCurve branch = LoadingBranch(r.curve);
  for (std::size_t i = 0; i < m.curve.strain.size(); ++i) {
    if (m.curve.sd[i] != 0) fuzz::Fail("two copies of one curve have a spread");
    const double own = StressAt(branch, m.curve.strain[i]);
    if (!(m.curve.mean[i] == own)) fuzz::Fail("the mean of two copies is not the curve");
  }
  return 0;
}
