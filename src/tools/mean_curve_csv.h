#pragma once
// The mean curve of repeat tests as CSV (analysis/comparison.h computes it).

#include <string>

#include "analysis/comparison.h"
#include "record/file_io.h"

namespace velk {

// A header naming the columns with units, then per grid point strain, mean stress, sd,
// mean − sd, mean + sd and n, each number "%.17g".
std::string MeanCurveCsv(const MeanCurve& m, bool trueCurves);
FileResult WriteMeanCurveCsv(const std::string& path, const MeanCurve& m, bool trueCurves);

}  // namespace velk
