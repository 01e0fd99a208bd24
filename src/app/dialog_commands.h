#pragma once
// The test-record commands that work through the dialogs: the parameter sheets, calculate and
// recompute, smoothing, the recapitulation and the two calibrations. The numeric work is the
// reduction's; these handlers find the record and the operator interface and, for smoothing,
// own the modeless dialog's life.

#include "app/command_table.h"

namespace velk {

// Makes the desktop interaction run the property sheets, the recapitulation and the method
// choice in their dialogs. Called once at start-up.
void InstallDialogRunners();

void OnResultSettingsCommand(CommandContext& ctx);      // 32787
void OnBridgeParametersCommand(CommandContext& ctx);    // 32805
void OnCalculateCommand(CommandContext& ctx);           // 32807
void OnRecomputeCommand(CommandContext& ctx);           // 32806
void OnSmoothCommand(CommandContext& ctx);              // 32815
void OnRecapitulationCommand(CommandContext& ctx);      // 32823
void OnStaticCalibrationCommand(CommandContext& ctx);   // 32825
void OnCs20000CalibrationCommand(CommandContext& ctx);  // 32827

}  // namespace velk
