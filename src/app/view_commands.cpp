#include "app/view_commands.h"

#include <QDialog>

#include "app/main_frame.h"
#include "app/record_document.h"
#include "app/velk_app.h"
#include "plot/view/plot_commands.h"
#include "plot/view/velk_view.h"
#include "tools/curve_tools.h"
#include "tools/export_commands.h"
#include "tools/session_commands.h"

namespace velk {

void OnBaselineModeCommand(CommandContext& ctx) { ctx.view->OnBaselineMode(); }

void UpdateBaselineMode(CommandContext& ctx, CommandUpdate& u) {
  u.checked = ctx.view->isBaselineMode();
}

void OnGraphSettingsCommand(CommandContext& ctx) {
  ctx.view->OnGraphSettings(ctx.app.interaction());
}

void OnCheckCurveCommand(CommandContext& ctx) { ctx.view->OnCheckCurve(); }

void UpdateCheckCurve(CommandContext& ctx, CommandUpdate& u) { u.checked = ctx.view->isPicking(); }

void OnPrintCommand(CommandContext& ctx) { ctx.view->OnFilePrint(); }

void OnPrintPreviewCommand(CommandContext& ctx) { ctx.view->OnFilePrintPreview(); }

void OnExportPlotCommand(CommandContext& ctx) {
  ExportCurrentPlot(&ctx.app.mainFrame(), *ctx.view);
}

void OnExportWorkbookCommand(CommandContext& ctx) {
  OnExportWorkbook(ctx.record->doc(), ctx.app.interaction());
}

void OnExportCsvCommand(CommandContext& ctx) {
  OnExportCsv(ctx.record->doc(), ctx.app.interaction());
}

void OnAverageStrainRateCommand(CommandContext& ctx) {
  OnAverageStrainRate(ctx.record->doc(), ctx.app.interaction());
}

void OnCutCurveCommand(CommandContext& ctx) {
  JournaledCut(ctx.record->doc(), ctx.app.interaction());
}

void OnStraightenCurveCommand(CommandContext& ctx) {
  JournaledStraighten(ctx.record->doc(), ctx.app.interaction());
}

}  // namespace velk
