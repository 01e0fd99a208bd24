#include "app/dialog_commands.h"

#include "app/qt_interaction.h"
#include "app/record_document.h"
#include "app/velk_app.h"
#include "dialogs/curve_select_dlg.h"
#include "dialogs/method_dlg.h"
#include "dialogs/property_pages.h"
#include "dialogs/recap_dlg.h"
#include "dialogs/smooth_dlg.h"
#include "reduction/calculate.h"
#include "reduction/conditioning.h"
#include "tools/calibration.h"
#include "tools/recap.h"
#include "tools/session_commands.h"

namespace velk {

void InstallDialogRunners() {
  SetSheetRunner(RunPropertySheet);
  SetRecapRunner(RunRecapDialog);
  SetMethodRunner(ChooseWindowMethodDialog);
}

void OnResultSettingsCommand(CommandContext& ctx) {
  OnResultSettings(ctx.record->doc(), ctx.app.interaction());
}

void OnBridgeParametersCommand(CommandContext& ctx) {
  OnBridgeParameters(ctx.record->doc(), ctx.app.interaction());
}

void OnCalculateCommand(CommandContext& ctx) {
  JournaledCalculate(ctx.record->doc(), ctx.app.interaction());
}

void OnRecomputeCommand(CommandContext& ctx) {
  JournaledRecalculate(ctx.record->doc(), ctx.app.interaction());
}

void OnSmoothCommand(CommandContext& ctx) {
  RecordDocument& record = *ctx.record;
  if (QDialog* open = record.smoothDialog()) {
    open->show();
    open->raise();
    open->activateWindow();
    return;
  }
  // A top-level window like the record's other two; the record destroys it with itself, and
  // "关闭" destroys it earlier (both forget it through their guarded pointers).
  auto* dlg = new CSmoothDlg(record.doc(), ctx.app.interaction(), nullptr);
  record.SetSmoothDialog(dlg);
  if (CCurveSelectDlg* chooser = record.curveChooser()) chooser->SetSmoothDialog(dlg);
  dlg->show();
}

void OnRecapitulationCommand(CommandContext& ctx) {
  OnRecapitulation(ctx.record->doc(), ctx.app.interaction());
}

void OnStaticCalibrationCommand(CommandContext& ctx) {
  OnStaticCalibration(ctx.record->doc(), ctx.app.interaction());
}

void OnCs20000CalibrationCommand(CommandContext& ctx) {
  OnCs20000Calibration(ctx.record->doc(), ctx.app.interaction());
}

}  // namespace velk
