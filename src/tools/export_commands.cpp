#include "tools/export_commands.h"

#include "record/tr_noop.h"
#include "tools/workbook_export.h"

namespace velk {

namespace {

// The export of the results, or a message when there are none yet.
bool HasResults(const CVelkDoc& doc, Interaction& ia) {
  if (doc.ws().Has(kResultsComputed) && doc.m_lastResultIndex >= 0) return true;
  ia.ShowMessage(VELK_TRANSLATE_NOOP("velk", "尚未计算结果，无法导出。"));
  return false;
}

}  // namespace

void OnExportWorkbook(CVelkDoc& doc, Interaction& ia) {
  if (!HasResults(doc, ia)) return;
  const auto path = ia.AskSavePath(
      VELK_TRANSLATE_NOOP("velk", "导出Excel"),
      {{VELK_TRANSLATE_NOOP("velk", "Excel工作簿 (*.xlsx)"), "*.xlsx"}}, ".xlsx", std::string());
  if (!path) return;
  (void)WriteTestWorkbook(*path, CollectExport(doc, kDefaultFlowStrains)).Report(ia);
}

void OnExportCsv(CVelkDoc& doc, Interaction& ia) {
  if (!HasResults(doc, ia)) return;
  const auto path = ia.AskSavePath(VELK_TRANSLATE_NOOP("velk", "导出CSV"),
                                   {{VELK_TRANSLATE_NOOP("velk", "CSV文件 (*.csv)"), "*.csv"}},
                                   ".csv", std::string());
  if (!path) return;
  (void)WriteCurvesCsv(*path, CollectExport(doc, kDefaultFlowStrains)).Report(ia);
}

}  // namespace velk
