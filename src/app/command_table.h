#pragma once
// How every menu item, toolbar button and accelerator reaches its code: one table from command
// identifier to handler and update rule (command_table.cpp). A command is offered only when its
// owner exists (an active test record, an active plot view) and it has a handler; a command whose
// handler is not written yet stays disabled instead of pretending to work.

#include <span>

namespace velk {

class CVelkApp;
class RecordDocument;
class CVelkView;

// Who answers a command.
enum class CommandOwner {
  Application,  // always reachable
  Record,       // the active test record
  View,         // the active test record's plot view
  Framework,    // frames, bars and edit views
  None,         // buttons without any handler: always disabled
};

struct CommandContext {
  CVelkApp& app;
  RecordDocument* record = nullptr;  // the active test record, if any
  CVelkView* view = nullptr;         // its plot view, if any
  int id = 0;                        // the command being run or updated
};

// What an update rule decides for a menu item or toolbar button.
struct CommandUpdate {
  bool enabled = true;
  bool checked = false;
};

using CommandHandler = void (*)(CommandContext&);
using UpdateHandler = void (*)(CommandContext&, CommandUpdate&);

struct CommandEntry {
  int id;
  CommandOwner owner;
  CommandHandler handler;  // null: not available yet, the command stays disabled
  UpdateHandler update;    // null: enabled whenever the owner exists
  bool checkable;          // the update rule sets a check mark / pressed state
};

std::span<const CommandEntry> CommandTable();
// The table's entry for id, or null.
const CommandEntry* FindCommand(int id);
// The enabled and checked state of id in this context.
CommandUpdate EvaluateCommand(int id, CommandContext& ctx);
// Runs id when its update rule enables it; returns whether it ran.
bool DispatchCommand(int id, CommandContext& ctx);

}  // namespace velk
