// --uncertainty: the Monte Carlo band of the results, for the summary, the spreadsheets and the
// plot.

#include "analysis/result_uncertainty.h"
#include "cli/reduce_cli.h"
#include "record/file_io.h"
#include "record/tr_noop.h"

namespace velk::cli {

std::string CheckUncertaintyOptions(const ReduceOptions& o) {
  // The band belongs to the computed curves; a curve tool changes them afterwards.
  if (!o.uncertainty.empty() && !o.tools.empty()) {
    return VELK_TRANSLATE_NOOP("velk",
                               "--uncertainty cannot be combined with --smooth, --cut or "
                               "--straighten: the band belongs to the computed curves");
  }
  return {};
}

int ReadUncertaintyFile(const ReduceOptions& o, ReduceSession& s) {
  s.uncertainty = UncertaintyInputs{};
  if (o.uncertainty.empty() || o.uncertainty == "default") return kExitDone;
  std::string text;
  if (!ReadWholeFile(o.uncertainty, text)) {
    s.ui.ShowMessage(VELK_TRANSLATE_NOOP("velk", "不确定度文件“%1”无法打开。"), {o.uncertainty});
    return kExitFailed;
  }
  if (const UncertaintyProblem p = ParseUncertaintyInputs(text, s.uncertainty)) {
    s.ui.ShowMessage(VELK_TRANSLATE_NOOP("velk", "不确定度文件“%1”无法使用。"), {o.uncertainty});
    s.ui.ShowMessage(p.text, p.args);
    return kExitFailed;
  }
  return kExitDone;
}

int RunUncertaintyStep(const ReduceOptions&, ReduceSession& s) {
  return ComputeResultUncertainty(*s.doc, s.uncertainty, s.ui) ? kExitDone : kExitFailed;
}

}  // namespace velk::cli
