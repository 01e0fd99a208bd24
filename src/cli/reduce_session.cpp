// Session files in a batch run: --session replays one as the run's input, --save-session writes
// the run as one for the desktop program or a later run.

#include <CLI/CLI.hpp>

#include "cli/reduce_cli.h"
#include "record/tr_noop.h"
#include "tools/session_file.h"
#include "tools/session_replay.h"

namespace velk::cli {

void AddSessionOptions(CLI::App& app, ReduceOptions& o) {
  app.add_option("--session", o.session,
                 VELK_TRANSLATE_NOOP(
                     "velk",
                     "A session file (.velks): its input files, settings and every step are "
                     "replayed; a window method or curve tool given here runs after them"))
      ->type_name("FILE")
      ->group(VELK_TRANSLATE_NOOP("velk", "Input (exactly one)"));
  app.add_option("--save-session", o.saveSession,
                 VELK_TRANSLATE_NOOP(
                     "velk", "Write the run (input files, settings, every step) as a session file"))
      ->type_name("FILE")
      ->group(VELK_TRANSLATE_NOOP("velk", "Outputs"));
}

int OpenSession(const ReduceOptions& o, ReduceSession& s) {
  SessionFile file;
  if (!ReadSessionFile(o.session, file).Report(s.ui)) return kExitFailed;
  auto doc = std::make_unique<CVelkDoc>(s.ws);
  if (!ReplaySession(file, o.session, *doc, s.ui)) return kExitFailed;
  s.doc = std::move(doc);
  return kExitDone;
}

int SaveSession(const ReduceOptions& o, ReduceSession& s) {
  return WriteSessionFile(o.saveSession, *s.doc).Report(s.ui) ? kExitDone : kExitFailed;
}

}  // namespace velk::cli
