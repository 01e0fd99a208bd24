// Opening the test, as the desktop program's open commands do.

#include <CLI/CLI.hpp>
#include <filesystem>
#include <system_error>

#include "cli/reduce_cli.h"
#include "record/param_file.h"
#include "record/reader.h"
#include "record/tr_noop.h"
#include "tools/session_commands.h"

namespace velk::cli {

void AddInputOptions(CLI::App& app, ReduceOptions& o) {
  const char* group = VELK_TRANSLATE_NOOP("velk", "Input (exactly one)");
  auto* tek =
      app.add_option("--tek", o.tek, VELK_TRANSLATE_NOOP("velk", "Tektronix waveform files"))
          ->expected(2)
          ->type_name("INCIDENT TRANSMITTED")
          ->group(group);
  auto* cs = app.add_option("--cs", o.cs, VELK_TRANSLATE_NOOP("velk", "CS20000 recorder files"))
                 ->expected(2)
                 ->type_name("INCIDENT TRANSMITTED")
                 ->group(group);
  auto* rec = app.add_option("--record", o.record,
                             VELK_TRANSLATE_NOOP(
                                 "velk",
                                 "Test record file; the parameter file beside it is loaded when it "
                                 "exists"))
                  ->type_name("FILE")
                  ->group(group);
  auto* demo =
      app.add_flag("--demo", o.demo,
                   VELK_TRANSLATE_NOOP(
                       "velk",
                       "The bundled sample test: samples/tek/T1_inc.txt and T1_tr.txt with "
                       "its parameter file T1.PAT (see samples/README.md)"))
          ->group(group);
  tek->excludes(cs)->excludes(rec)->excludes(demo);
  cs->excludes(rec)->excludes(demo);
  rec->excludes(demo);
  app.add_option("--start", o.start,
                 VELK_TRANSLATE_NOOP("velk", "Start points of the waveform files (default 0 0)"))
      ->expected(2)
      ->type_name("S_INC S_TR")
      ->group(group);
}

namespace {

// Open Tektronix or CS20000 files: the flags start from 0, both files must open, then a new
// record is read.
int OpenWaveFiles(const std::vector<std::string>& paths, bool tektronix, const ReduceOptions& o,
                  ReduceSession& s) {
  s.ws.flags = 0;
  s.ws.waveOpen.incidentPath = paths[0];
  s.ws.waveOpen.transmittedPath = paths[1];
  if (!WaveFilesOpenable(s.ws.waveOpen, s.ui)) return kExitFailed;
  s.ws.waveOpen.incidentStart = o.start.empty() ? 0 : o.start[0];
  s.ws.waveOpen.transmittedStart = o.start.empty() ? 0 : o.start[1];
  auto doc = std::make_unique<CVelkDoc>(s.ws);
  const int read = tektronix ? ReadTektronixWaves(*doc, s.ui) : ReadCs20000Waves(*doc, s.ui);
  if (read != kReadOk) return kExitFailed;
  NoteOpened(*doc, WaveFilesInput(s.ws.waveOpen, tektronix));
  s.doc = std::move(doc);
  return kExitDone;
}

// Open a test record file, then the parameter file beside it when there is one.
int OpenRecordFile(const std::string& path, ReduceSession& s) {
  s.ws.flags = 0;
  s.ws.openedRecordPath = path;
  auto doc = std::make_unique<CVelkDoc>(s.ws);
  if (RecordFileReader(path).Read(*doc, s.ui) != kReadOk) return kExitFailed;
  NoteOpened(*doc, RecordFileInput(path));
  s.doc = std::move(doc);
  if (const auto pat = FindParameterFileBeside(path)) {
    if (!LoadParameterFile(*pat, s.ws).Report(s.ui)) return kExitFailed;
    s.ws.Set(kParamFileFound | kBridgeParams);
    s.doc->LoadParametersIntoSetup();
  }
  return kExitDone;
}

// The bundled sample: its two Tektronix files, then its parameter file, loaded as the
// open-parameter-file command loads one.
int OpenDemo(const ReduceOptions& o, ReduceSession& s) {
  std::vector<std::string> looked;
  const auto folder = DemoSampleFolder(&looked);
  if (!folder) {
    std::string where;
    for (const auto& l : looked) where += (where.empty() ? "" : ", ") + l;
    s.ui.ShowMessage(
        VELK_TRANSLATE_NOOP(
            "velk",
            "The bundled sample test (samples/tek/T1_inc.txt) was not found; looked in %1."),
        {where});
    return kExitFailed;
  }
  const int status = OpenWaveFiles({*folder + "/T1_inc.txt", *folder + "/T1_tr.txt"}, true, o, s);
  if (status != kExitDone) return status;
  if (!LoadParameterFile(*folder + "/T1.PAT", s.ws).Report(s.ui)) return kExitFailed;
  s.doc->LoadParametersIntoSetup();
  s.ws.Clear(kParamFileFound);
  s.ws.Set(kHandPickedParams | kBridgeParams);
  return kExitDone;
}

bool HoldsDemo(const std::filesystem::path& folder) {
  std::error_code ec;
  return std::filesystem::is_regular_file(folder / "T1_inc.txt", ec) &&
         std::filesystem::is_regular_file(folder / "T1_tr.txt", ec) &&
         std::filesystem::is_regular_file(folder / "T1.PAT", ec);
}

}  // namespace

std::optional<std::string> DemoSampleFolder(std::vector<std::string>* looked) {
  namespace fs = std::filesystem;
  std::vector<fs::path> candidates;
#ifdef VELK_SOURCE_DIR
  candidates.push_back(fs::path(VELK_SOURCE_DIR) / "samples" / "tek");
#endif
  // A tree moved after building: build/src/velk-reduce lies two levels below the samples.
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    candidates.push_back(exe.parent_path() / ".." / ".." / "samples" / "tek");
    candidates.push_back(exe.parent_path() / ".." / "share" / "velk" / "samples" / "tek");
  }
  for (const fs::path& c : candidates) {
    if (looked) looked->push_back(c.lexically_normal().string());
    if (HoldsDemo(c)) return c.lexically_normal().string();
  }
  return std::nullopt;
}

int OpenInput(const ReduceOptions& o, ReduceSession& s) {
  if (!o.session.empty()) return OpenSession(o, s);
  if (o.demo) return OpenDemo(o, s);
  if (!o.tek.empty()) return OpenWaveFiles(o.tek, true, o, s);
  if (!o.cs.empty()) return OpenWaveFiles(o.cs, false, o, s);
  if (!o.inc.empty()) {
    // The older formats keep their own readers, so a test opened this way is the same test.
    if (o.format == "tek") return OpenWaveFiles({o.inc, o.tr}, true, o, s);
    if (o.format == "cs") return OpenWaveFiles({o.inc, o.tr}, false, o, s);
    if (o.format == "record") return OpenRecordFile(o.inc, s);
    return OpenRecordings(o, s);
  }
  return OpenRecordFile(o.record, s);
}

}  // namespace velk::cli
