#include "app/command_table.h"

#include <algorithm>
#include <array>

#include "app/app_commands.h"
#include "app/command_ids.h"
#include "app/compare_command.h"
#include "app/dialog_commands.h"
#include "app/uncertainty_command.h"
#include "app/undo_commands.h"
#include "app/view_commands.h"

namespace velk {

namespace {

using O = CommandOwner;

// Every command of the program, one line each: identifier, owner, handler, update rule,
// whether the rule sets a check mark. A null handler marks a command whose code is not in the
// program yet; the command stays disabled until its handler is named here.
constexpr CommandEntry kCommands[] = {
    // Application.
    {cmd::kNew, O::Application, OnFileNew, nullptr, false},
    {cmd::kOpenTektronix, O::Application, OnOpenTektronix, nullptr, false},
    {cmd::kOpenCs20000, O::Application, OnOpenCs20000, nullptr, false},
    {cmd::kOpenRecordingFile, O::Application, OnOpenRecordingFile, nullptr, false},
    {cmd::kOpenRecord, O::Application, OnOpenRecord, nullptr, false},
    {cmd::kRecentFirst + 0, O::Application, OnRecentFile, UpdateRecentFile, false},
    {cmd::kRecentFirst + 1, O::Application, OnRecentFile, UpdateRecentFile, false},
    {cmd::kRecentFirst + 2, O::Application, OnRecentFile, UpdateRecentFile, false},
    {cmd::kRecentFirst + 3, O::Application, OnRecentFile, UpdateRecentFile, false},
    {cmd::kOpenParameterFile, O::Application, OnOpenParameterFile, nullptr, false},
    {cmd::kSaveParameterFile, O::Application, OnSaveParameterFile, nullptr, false},
    {cmd::kAbout, O::Application, OnAppAbout, nullptr, false},
    {cmd::kBarLibrary, O::Application, OnBarLibrary, nullptr, false},
    {cmd::kCompare, O::Application, OnCompare, nullptr, false},
    {cmd::kOpenSession, O::Application, OnOpenSession, nullptr, false},
    {cmd::kSaveSession, O::Record, OnSaveSession, nullptr, false},

    // Test record.
    {cmd::kSave, O::Record, OnFileSave, nullptr, false},
    {cmd::kSaveAs, O::Record, OnFileSaveAs, nullptr, false},
    {cmd::kSaveEngineering, O::Record, OnSaveEngineering, nullptr, false},
    {cmd::kSaveTrue, O::Record, OnSaveTrue, nullptr, false},
    {cmd::kShowSetupDialog, O::Record, OnShowSetupDialog, UpdateShowSetupDialog, true},
    {cmd::kShowCurveChooser, O::Record, OnShowCurveChooser, UpdateShowCurveChooser, true},
    {cmd::kResultSettings, O::Record, OnResultSettingsCommand, nullptr, false},
    {cmd::kBridgeParameters, O::Record, OnBridgeParametersCommand, UpdateBridgeCheck, true},
    {cmd::kCalculate, O::Record, OnCalculateCommand, nullptr, false},
    {cmd::kRecompute, O::Record, OnRecomputeCommand, UpdateRecompute, false},
    {cmd::kSmooth, O::Record, OnSmoothCommand, UpdateSmoothCheck, true},
    {cmd::kRecapitulation, O::Record, OnRecapitulationCommand, nullptr, false},
    {cmd::kUncertainty, O::Record, OnUncertaintyCommand, UpdateNeedsResults, false},
    {cmd::kStaticCalibration, O::Record, OnStaticCalibrationCommand, UpdateCalibrationCheck, true},
    {cmd::kCs20000Calibration, O::Record, OnCs20000CalibrationCommand, UpdateCs20000Check, true},
    {cmd::kAverageStrainRate, O::Record, OnAverageStrainRateCommand, UpdateNeedsResults, false},
    {cmd::kCutCurve, O::Record, OnCutCurveCommand, UpdateNeedsResults, false},
    {cmd::kStraightenCurve, O::Record, OnStraightenCurveCommand, UpdateNeedsResults, false},

    // Plot view.
    {cmd::kBaselineMode, O::View, OnBaselineModeCommand, UpdateBaselineMode, true},
    {cmd::kGraphSettings, O::View, OnGraphSettingsCommand, nullptr, false},
    {cmd::kCheckCurve, O::View, OnCheckCurveCommand, UpdateCheckCurve, true},
    {cmd::kPrint, O::View, OnPrintCommand, nullptr, false},
    {cmd::kPrintDirect, O::View, OnPrintCommand, nullptr, false},
    {cmd::kPrintPreview, O::View, OnPrintPreviewCommand, nullptr, false},
    {cmd::kExportPlot, O::View, OnExportPlotCommand, nullptr, false},
    {cmd::kExportWorkbook, O::Record, OnExportWorkbookCommand, UpdateNeedsResults, false},
    {cmd::kExportCsv, O::Record, OnExportCsvCommand, UpdateNeedsResults, false},
    {cmd::kPrintSetup, O::Framework, nullptr, nullptr, false},

    // Frames, bars, windows and the parameter document's edit view.
    {cmd::kClose, O::Framework, OnFileClose, nullptr, false},
    {cmd::kExit, O::Framework, OnAppExit, nullptr, false},
    {cmd::kViewToolbar, O::Framework, OnViewToolbar, UpdateViewToolbar, true},
    {cmd::kViewStatusBar, O::Framework, OnViewStatusBar, UpdateViewStatusBar, true},
    {cmd::kCascade, O::Framework, OnWindowCascade, nullptr, false},
    {cmd::kTile, O::Framework, OnWindowTile, nullptr, false},
    {cmd::kArrangeIcons, O::Framework, OnWindowArrange, nullptr, false},
    {cmd::kCopy, O::Framework, OnEditCommand, UpdateEditCommand, false},
    {cmd::kCut, O::Framework, OnEditCommand, UpdateEditCommand, false},
    {cmd::kPaste, O::Framework, OnEditCommand, UpdateEditCommand, false},
    // The active test record's history; without a record, the parameter document's edit view.
    {cmd::kUndo, O::Framework, OnUndoCommand, UpdateUndo, false},
    {cmd::kRedo, O::Framework, OnRedoCommand, UpdateRedo, false},
    // No splitter panes anywhere: nothing to move between.
    {cmd::kNextPane, O::Framework, nullptr, nullptr, false},
    {cmd::kPrevPane, O::Framework, nullptr, nullptr, false},

    // Toolbar buttons that never had a handler.
    {cmd::kUnused1, O::None, nullptr, nullptr, false},
    {cmd::kUnused2, O::None, nullptr, nullptr, false},
    {cmd::kUnused3, O::None, nullptr, nullptr, false},
};

}  // namespace

std::span<const CommandEntry> CommandTable() { return kCommands; }

const CommandEntry* FindCommand(int id) {
  const auto it = std::find_if(std::begin(kCommands), std::end(kCommands),
                               [id](const CommandEntry& e) { return e.id == id; });
  return it == std::end(kCommands) ? nullptr : &*it;
}

CommandUpdate EvaluateCommand(int id, CommandContext& ctx) {
  CommandUpdate u;
  const CommandEntry* e = FindCommand(id);
  if (!e || !e->handler || e->owner == O::None) return {false, false};
  if (e->owner == O::Record && !ctx.record) return {false, false};
  if (e->owner == O::View && !ctx.view) return {false, false};
  ctx.id = id;
  if (e->update) e->update(ctx, u);
  return u;
}

bool DispatchCommand(int id, CommandContext& ctx) {
  if (!EvaluateCommand(id, ctx).enabled) return false;
  ctx.id = id;
  RunAsOneStep(ctx, FindCommand(id)->handler);
  return true;
}

}  // namespace velk
