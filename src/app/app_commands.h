#pragma once
// The handlers and update rules this folder provides to the command table. Handlers of other
// folders are declared next to their own code and named in command_table.cpp.

#include "app/command_table.h"

namespace velk {

// Application.
void OnFileNew(CommandContext& ctx);
void OnOpenTektronix(CommandContext& ctx);
void OnOpenCs20000(CommandContext& ctx);
void OnOpenRecordingFile(CommandContext& ctx);
void OnOpenRecord(CommandContext& ctx);
void OnRecentFile(CommandContext& ctx);
void UpdateRecentFile(CommandContext& ctx, CommandUpdate& u);
void OnOpenParameterFile(CommandContext& ctx);
void OnBarLibrary(CommandContext& ctx);
void OnSaveParameterFile(CommandContext& ctx);
void OnAppAbout(CommandContext& ctx);
void OnOpenSession(CommandContext& ctx);
void OnSaveSession(CommandContext& ctx);

// Test record.
void OnFileSave(CommandContext& ctx);
void OnFileSaveAs(CommandContext& ctx);
void OnSaveEngineering(CommandContext& ctx);
void OnSaveTrue(CommandContext& ctx);
void OnShowSetupDialog(CommandContext& ctx);
void UpdateShowSetupDialog(CommandContext& ctx, CommandUpdate& u);
void OnShowCurveChooser(CommandContext& ctx);
void UpdateShowCurveChooser(CommandContext& ctx, CommandUpdate& u);
// Rules of record commands whose handlers live elsewhere.
void UpdateNeedsResults(CommandContext& ctx, CommandUpdate& u);      // flag 0x008
void UpdateBridgeCheck(CommandContext& ctx, CommandUpdate& u);       // flag 0x100
void UpdateCalibrationCheck(CommandContext& ctx, CommandUpdate& u);  // flag 0x200
void UpdateCs20000Check(CommandContext& ctx, CommandUpdate& u);      // flag 0x400
void UpdateSmoothCheck(CommandContext& ctx, CommandUpdate& u);       // smoothing dialog exists
void UpdateRecompute(CommandContext& ctx, CommandUpdate& u);         // chooser button 1032

// Frames, bars and the parameter document's edit view.
void OnFileClose(CommandContext& ctx);
void OnAppExit(CommandContext& ctx);
void OnViewToolbar(CommandContext& ctx);
void UpdateViewToolbar(CommandContext& ctx, CommandUpdate& u);
void OnViewStatusBar(CommandContext& ctx);
void UpdateViewStatusBar(CommandContext& ctx, CommandUpdate& u);
void OnWindowCascade(CommandContext& ctx);
void OnWindowTile(CommandContext& ctx);
void OnWindowArrange(CommandContext& ctx);
void OnEditCommand(CommandContext& ctx);
void UpdateEditCommand(CommandContext& ctx, CommandUpdate& u);

}  // namespace velk
