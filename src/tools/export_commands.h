#pragma once
// File menu "导出Excel(&X)..." and "导出CSV...": the results of the test record as a workbook or as
// CSV, after a save prompt.

#include "record/interaction.h"
#include "record/velk_doc.h"

namespace velk {

void OnExportWorkbook(CVelkDoc& doc, Interaction& ia);
void OnExportCsv(CVelkDoc& doc, Interaction& ia);

}  // namespace velk
