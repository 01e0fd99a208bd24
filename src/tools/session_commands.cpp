#include "tools/session_commands.h"

#include <cstring>
#include <filesystem>
#include <span>
#include <system_error>
#include <variant>

#include "record/doc_view.h"
#include "reduction/calculate.h"
#include "reduction/smoothing.h"
#include "tools/curve_tools.h"
#include "tools/session_file.h"

namespace velk {

namespace {

// Passes everything to the operator and keeps the answers a replay needs.
class AnswerRecorder : public Interaction {
 public:
  AnswerRecorder(Interaction& inner, SessionStep& step) : m_inner(inner), m_step(step) {}

  void ShowMessage(const std::string& text, const std::vector<std::string>& args) override {
    m_inner.ShowMessage(text, args);
  }
  std::optional<std::string> AskOpenPath(const std::string& title,
                                         const std::vector<FileFilter>& filters,
                                         const std::string& startPath) override {
    return m_inner.AskOpenPath(title, filters, startPath);
  }
  std::optional<std::string> AskSavePath(const std::string& title,
                                         const std::vector<FileFilter>& filters,
                                         const std::string& defaultExtension,
                                         const std::string& proposedName) override {
    return m_inner.AskSavePath(title, filters, defaultExtension, proposedName);
  }
  bool RunSheet(Sheet& sheet) override {
    if (!m_inner.RunSheet(sheet)) return false;
    for (const SheetPage& page : sheet.pages) {
      if (const auto* w = std::get_if<WavePosPage>(&page.data)) {
        m_step.windows = std::array<int, 6>{w->incStart, w->incEnd,  w->refStart,
                                            w->refEnd,   w->trStart, w->trEnd};
      } else if (const auto* c = std::get_if<CalibrationPage>(&page.data); c && page.opened) {
        m_step.baselines =
            std::array<int, 4>{c->incBaseStart, c->incBaseEnd, c->trBaseStart, c->trBaseEnd};
      }
    }
    return true;
  }
  bool RunRecap(RecapFields& fields) override { return m_inner.RunRecap(fields); }
  int ChooseWindowMethod() override {
    asked = true;
    m_step.method = m_inner.ChooseWindowMethod();
    return m_step.method;
  }
  bool RunRecordingOpen(RecordingOpenFields& fields) override {
    return m_inner.RunRecordingOpen(fields);
  }
  int PickPoint(CVelkDoc& doc) override {
    const int r = m_inner.PickPoint(doc);
    m_step.picks.push_back(r == kDone ? std::optional<int>(doc.m_pickedIndex) : std::nullopt);
    return r;
  }
  void SetCoordinateText(const std::string& text) override { m_inner.SetCoordinateText(text); }

  bool asked = false;  // the method dialog was shown

 private:
  Interaction& m_inner;
  SessionStep& m_step;
};

// The step as it starts: the command, the view's state, and the settings when they changed
// since the last step.
SessionStep BeginStep(const CVelkDoc& doc, SessionCommand command) {
  SessionStep step;
  step.command = command;
  if (const DocView* v = doc.m_view) {
    step.hasView = true;
    step.curveKind = v->m_curveKind;
    step.viewShowsSmoothed = v->m_showSmoothed;
    step.viewShowsUnsmoothed = v->m_showUnsmoothed;
  }
  step.chooserShowsSmoothed = doc.m_chooser.showSmoothedChecked;
  SessionSettings now = CaptureSettings(doc);
  const auto& last = doc.m_journal.settingsAfterLastStep;
  if (!last || !SameSettings(*last, now)) step.settings = std::move(now);
  return step;
}

void EndStep(CVelkDoc& doc, SessionStep step) {
  step.check = CurveDigest(doc);
  doc.m_journal.steps.push_back(std::move(step));
  doc.m_journal.settingsAfterLastStep = CaptureSettings(doc);
}

std::string Absolute(const std::string& path) {
  std::error_code ec;
  const auto p = std::filesystem::absolute(path, ec);
  return ec ? path : p.lexically_normal().string();
}

template <class Row>
std::optional<Row> RowAt(const std::vector<Row>& rows, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= rows.size()) return std::nullopt;
  return rows[static_cast<std::size_t>(index)];
}

bool SameValues(const BarMaterialRow& a, const BarMaterialRow& b) {
  return a.waveSpeedMs == b.waveSpeedMs && a.modulusMpa == b.modulusMpa && a.poisson == b.poisson;
}
bool SameValues(const BarDiameterRow& a, const BarDiameterRow& b) { return a.areaMm2 == b.areaMm2; }

// The library row with the same name and values, else one with the same values, else -1.
template <class Row>
int FindRow(const std::vector<Row>& rows, const Row& want) {
  int sameValues = -1;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (!SameValues(rows[i], want)) continue;
    if (rows[i].name == want.name) return static_cast<int>(i);
    if (sameValues < 0) sameValues = static_cast<int>(i);
  }
  return sameValues;
}

int MaterialRow(BarLibrary& bars, const BarMaterialRow& r) {
  const int found = FindRow(bars.Materials(), r);
  if (found >= 0) return found;
  const int i = bars.AddSessionMaterial(r.name, r.waveSpeedMs, r.modulusMpa, r.poisson);
  // The library derives a new row's density; the session keeps the one the row had. A density
  // the library refuses leaves the derived one.
  BarMaterialRow row = bars.Materials()[static_cast<std::size_t>(i)];
  row.densityKgM3 = r.densityKgM3;
  (void)bars.ReplaceMaterial(i, row);
  return i;
}

int DiameterRow(BarLibrary& bars, const BarDiameterRow& r) {
  const int i = FindRow(bars.Diameters(), r);
  return i >= 0 ? i : bars.AddSessionDiameter(r.name, r.areaMm2);
}

// Moves a parameter index, and the setup field that named the same row, to the row found.
void Repoint(int row, int& paramIndex, int& setupIndex) {
  if (setupIndex == paramIndex) setupIndex = row;
  paramIndex = row;
}

constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

void Mix(std::uint64_t& h, std::uint64_t word) {
  h ^= word;
  h *= kFnvPrime;
}

void MixDoubles(std::uint64_t& h, std::span<const double> a) {
  Mix(h, a.size());
  for (double v : a) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    Mix(h, bits);
  }
}

}  // namespace

int JournaledCalculate(CVelkDoc& doc, Interaction& ia) {
  SessionStep step = BeginStep(doc, SessionCommand::kCalculate);
  AnswerRecorder recorder(ia, step);
  const int result = OnCalculate(doc, recorder);
  if (recorder.asked) EndStep(doc, std::move(step));
  return result;
}

bool JournaledRecalculate(CVelkDoc& doc, Interaction& ia) {
  if (!doc.m_chooser.processedEnabled) return false;
  SessionStep step = BeginStep(doc, SessionCommand::kRecalculate);
  const bool done = OnRecalculate(doc, ia);
  EndStep(doc, std::move(step));
  return done;
}

bool JournaledSmoothing(CVelkDoc& doc, int p, int L, Interaction& ia) {
  SessionStep step = BeginStep(doc, SessionCommand::kSmooth);
  step.points = p;
  step.total = L;
  if (!ApplySmoothing(doc, p, L, ia)) return false;
  EndStep(doc, std::move(step));
  return true;
}

void JournaledCut(CVelkDoc& doc, Interaction& ia) {
  SessionStep step = BeginStep(doc, SessionCommand::kCut);
  AnswerRecorder recorder(ia, step);
  OnCutCurve(doc, recorder);
  if (!step.picks.empty() && step.picks.front()) EndStep(doc, std::move(step));
}

void JournaledStraighten(CVelkDoc& doc, Interaction& ia) {
  SessionStep step = BeginStep(doc, SessionCommand::kStraighten);
  AnswerRecorder recorder(ia, step);
  OnStraightenCurve(doc, recorder);
  if (!step.picks.empty() && step.picks.front()) EndStep(doc, std::move(step));
}

void NoteOpened(CVelkDoc& doc, SessionInput input) {
  input.check = RawDigest(doc);
  doc.m_journal = SessionJournal{};
  doc.m_journal.input = std::move(input);
}

SessionInput WaveFilesInput(const WaveOpenInputs& in, bool tektronix) {
  SessionInput s;
  s.source = tektronix ? SessionSource::kTektronix : SessionSource::kCs20000;
  s.paths = {Absolute(in.incidentPath), Absolute(in.transmittedPath)};
  s.incidentStart = in.incidentStart;
  s.transmittedStart = in.transmittedStart;
  return s;
}

SessionInput RecordFileInput(const std::string& path) {
  SessionInput s;
  s.source = SessionSource::kRecordFile;
  s.paths = {Absolute(path)};
  return s;
}

SessionInput RecordingInput(const RecordingOpenFields& fields) {
  SessionInput s;
  s.source = SessionSource::kRecording;
  for (std::size_t k = 0; k < fields.paths.size(); ++k) {
    s.paths.push_back(Absolute(fields.paths[k]));
    const RecordingFormat f =
        k < fields.formats.size() ? fields.formats[k] : RecordingFormat::kAuto;
    s.formats.push_back(RecordingFormatName(f));
  }
  s.incidentFile = fields.incident.file;
  s.incidentChannel = fields.incident.channel;
  s.transmittedFile = fields.transmitted.file;
  s.transmittedChannel = fields.transmitted.channel;
  s.incidentStart = fields.incidentStart;
  s.transmittedStart = fields.transmittedStart;
  s.layouts = fields.layouts;
  s.layouts.resize(s.paths.size());
  return s;
}

SessionInput RecordingPairInput(const RecordingPick& incident, const RecordingPick& transmitted) {
  SessionInput s;
  s.source = SessionSource::kRecordingPair;
  s.paths = {Absolute(incident.path), Absolute(transmitted.path)};
  s.formats = {RecordingFormatName(incident.format), RecordingFormatName(transmitted.format)};
  s.channels = {incident.channel, transmitted.channel};
  s.incidentStart = incident.start;
  s.transmittedStart = transmitted.start;
  s.layouts = {incident.layout, transmitted.layout};
  return s;
}

SessionSettings CaptureSettings(const CVelkDoc& doc) {
  SessionSettings s;
  const Workspace& ws = doc.ws();
  s.params = ws.params;
  s.setup = doc.m_setup;
  s.resultLimit = doc.m_resultLimit;
  s.incBaseStart = doc.m_incBaseStart;
  s.incBaseEnd = doc.m_incBaseEnd;
  s.trBaseStart = doc.m_trBaseStart;
  s.trBaseEnd = doc.m_trBaseEnd;
  s.windows = doc.m_windows;
  s.flags = ws.flags & kSessionFlags;
  s.materials = {RowAt(ws.bars.Materials(), s.params.barMaterialIndex),
                 RowAt(ws.bars.Materials(), s.params.trBarMaterialIndex)};
  s.diameters = {RowAt(ws.bars.Diameters(), s.params.barDiameterIndex),
                 RowAt(ws.bars.Diameters(), s.params.trBarDiameterIndex)};
  return s;
}

void ApplySettings(CVelkDoc& doc, const SessionSettings& s) {
  Workspace& ws = doc.ws();
  ws.params = s.params;
  doc.m_setup = s.setup;
  TestParameters& p = ws.params;
  SetupFields& f = doc.m_setup;
  if (s.materials[0])
    Repoint(MaterialRow(ws.bars, *s.materials[0]), p.barMaterialIndex, f.barMaterialIndex);
  if (s.materials[1])
    Repoint(MaterialRow(ws.bars, *s.materials[1]), p.trBarMaterialIndex, f.trBarMaterialIndex);
  if (s.diameters[0])
    Repoint(DiameterRow(ws.bars, *s.diameters[0]), p.barDiameterIndex, f.barDiameterIndex);
  if (s.diameters[1])
    Repoint(DiameterRow(ws.bars, *s.diameters[1]), p.trBarDiameterIndex, f.trBarDiameterIndex);
  doc.m_resultLimit = s.resultLimit;
  doc.m_incBaseStart = s.incBaseStart;
  doc.m_incBaseEnd = s.incBaseEnd;
  doc.m_trBaseStart = s.trBaseStart;
  doc.m_trBaseEnd = s.trBaseEnd;
  doc.ComputeBaselineMeans();
  doc.m_windows = s.windows;
  ws.flags = (ws.flags & ~kSessionFlags) | (s.flags & kSessionFlags);
  if (doc.m_observer.setupFieldsLoaded) doc.m_observer.setupFieldsLoaded();
}

bool SameSettings(const SessionSettings& a, const SessionSettings& b) {
  return SettingsJson(a) == SettingsJson(b);
}

std::uint64_t RawDigest(const CVelkDoc& doc) {
  std::uint64_t h = kFnvOffset;
  MixDoubles(h, doc.m_rawInc);
  MixDoubles(h, doc.m_rawTr);
  return h;
}

std::uint64_t CurveDigest(const CVelkDoc& doc) {
  std::uint64_t h = kFnvOffset;
  for (const auto* w : {&doc.m_workInc, &doc.m_workTr, &doc.m_smoothInc, &doc.m_smoothTr}) {
    MixDoubles(h, *w);
  }
  for (const auto& c : doc.m_computed) MixDoubles(h, c);
  for (const auto& c : doc.m_smoothed) MixDoubles(h, c);
  for (int w : doc.m_windows) Mix(h, static_cast<std::uint64_t>(static_cast<std::int64_t>(w)));
  Mix(h, static_cast<std::uint64_t>(static_cast<std::int64_t>(doc.m_lastResultIndex)));
  return h;
}

}  // namespace velk
