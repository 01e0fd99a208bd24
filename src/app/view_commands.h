#pragma once
// The plot view's commands: baseline mode, graph settings, check curve, printing and export,
// and the three curve tools, which pick their point on the view.

#include "app/command_table.h"

namespace velk {

void OnBaselineModeCommand(CommandContext& ctx);                 // 32786
void UpdateBaselineMode(CommandContext& ctx, CommandUpdate& u);  // checked while on
void OnGraphSettingsCommand(CommandContext& ctx);                // 32788
void OnCheckCurveCommand(CommandContext& ctx);                   // 32804
void UpdateCheckCurve(CommandContext& ctx, CommandUpdate& u);    // checked while picking
void OnPrintCommand(CommandContext& ctx);                        // 57607, 57608
void OnPrintPreviewCommand(CommandContext& ctx);                 // 57609
void OnExportPlotCommand(CommandContext& ctx);                   // File > Export plot...
void OnExportWorkbookCommand(CommandContext& ctx);               // File > 导出Excel(&X)...
void OnExportCsvCommand(CommandContext& ctx);                    // File > 导出CSV...
void OnAverageStrainRateCommand(CommandContext& ctx);            // 32822
void OnCutCurveCommand(CommandContext& ctx);                     // 32821
void OnStraightenCurveCommand(CommandContext& ctx);              // 32824

}  // namespace velk
