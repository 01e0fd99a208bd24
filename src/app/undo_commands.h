#pragma once
// Undo and redo of the changes to a test record: the commands that change a record run as one
// step of its history, and 57643 / 57644 step back and forth.

#include "app/command_table.h"

class QMenu;

namespace velk {

class CVelkApp;

// The step label of command id (a source text), or null for a command that changes no record.
const char* ChangeLabel(int id);
// Runs handler for ctx; a command with a step label runs as one step of the history of the record
// it changes.
void RunAsOneStep(CommandContext& ctx, CommandHandler handler);

// 57643 and 57644 on the active test record; without one, 57643 is the parameter document's
// edit-view undo, as it always was.
void OnUndoCommand(CommandContext& ctx);
void UpdateUndo(CommandContext& ctx, CommandUpdate& u);
void OnRedoCommand(CommandContext& ctx);
void UpdateRedo(CommandContext& ctx, CommandUpdate& u);

// Names the step of the active record in the undo and redo items of menu: "撤销 光滑(&U)".
void NameUndoItems(CVelkApp& app, QMenu& menu);

}  // namespace velk
