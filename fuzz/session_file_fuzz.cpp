// Session file reader on fuzzed text: a text it accepts is written back and read again to the
// same session, and a replay of it either runs or stops with a message (its input files do not
// exist here), never reading outside an array.
#include <cstdint>
#include <string>

#include "fuzz_input.h"
#include "record/scripted_interaction.h"
#include "tools/session_file.h"
#include "tools/session_replay.h"
#include "wave_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velk;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string path = fuzz::ScratchDir() + "/s.velks";
  SessionFile file;
  if (!ParseSession(text, path, file)) return 0;

  const std::string written = SessionText(file, path);
  SessionFile again;
  if (!ParseSession(written, path, again)) fuzz::Fail("a session just written could not be read");
  if (SessionText(again, path) != written) fuzz::Fail("a session changed through a file");

  Workspace ws;
  CVelkDoc doc(ws);
  ScriptedInteraction ui;
  if (!ReplaySession(file, path, doc, ui) && ui.messages.empty()) {
    fuzz::Fail("a refused session said nothing");
  }
  return 0;
}
