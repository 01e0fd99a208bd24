#include "tools/mean_curve_csv.h"

#include "tools/json_text.h"
#include "tools/summary_file.h"

namespace velk {

std::string MeanCurveCsv(const MeanCurve& m, bool trueCurves) {
  const std::string kind = trueCurves ? "true" : "engineering";
  std::string out =
      CsvLine({kind + " strain (-)", "mean " + kind + " stress (MPa)", "standard deviation (MPa)",
               "mean - sd (MPa)", "mean + sd (MPa)", "n"});
  for (std::size_t i = 0; i < m.strain.size(); ++i) {
    out += CsvLine({ExactNumber(m.strain[i]), ExactNumber(m.mean[i]), ExactNumber(m.sd[i]),
                    ExactNumber(m.mean[i] - m.sd[i]), ExactNumber(m.mean[i] + m.sd[i]),
                    std::to_string(m.n)});
  }
  return out;
}

FileResult WriteMeanCurveCsv(const std::string& path, const MeanCurve& m, bool trueCurves) {
  return WriteFileAtomically(path, MeanCurveCsv(m, trueCurves));
}

}  // namespace velk
