#include "tools/session_replay.h"

#include <variant>

#include "record/reader.h"
#include "record/recording_install.h"
#include "record/recording_open.h"
#include "record/scripted_interaction.h"
#include "record/tr_noop.h"
#include "tools/session_commands.h"

namespace velk {

namespace {

constexpr RecordingFormat kFormats[] = {RecordingFormat::kAuto,    RecordingFormat::kTektronixText,
                                        RecordingFormat::kCs20000, RecordingFormat::kRecordFile,
                                        RecordingFormat::kIsf,     RecordingFormat::kTekCsv,
                                        RecordingFormat::kTrc,     RecordingFormat::kDelimited};

// The recorded operator: answers from the step, and keeps what the commands said as source
// texts, so that a reader's refusal reaches the operator in their language.
class ReplayInteraction : public ScriptedInteraction {
 public:
  struct Said {
    std::string text;
    std::vector<std::string> args;
  };
  std::vector<Said> said;

  void ShowMessage(const std::string& text, const std::vector<std::string>& args) override {
    said.push_back({text, args});
    ScriptedInteraction::ShowMessage(text, args);
  }
};

// Stands in for the plot view the session was made with: what it shows decides what smoothing
// and calculating work on; picks take the recorded index.
class ReplayView : public DocView {
 public:
  explicit ReplayView(CVelkDoc& doc) : m_doc(doc) {}
  void SelectCurve(int kind, int showUnsmoothed, int showSmoothed) override {
    m_curveKind = kind;
    m_showUnsmoothed = showUnsmoothed;
    m_showSmoothed = showSmoothed;
  }
  void BindCurveArrays() override {}
  void ScaleResults() override {}
  void Redraw() override {}
  bool PickValueAt(int index) override {
    m_doc.m_pickedIndex = index;
    m_doc.m_pickedValue = 0;
    return true;
  }

 private:
  CVelkDoc& m_doc;
};

bool FormatNamed(const std::string& name, RecordingFormat& out) {
  for (const RecordingFormat f : kFormats) {
    if (name == RecordingFormatName(f)) {
      out = f;
      return true;
    }
  }
  return false;
}

int ReadRecordings(const SessionInput& in, CVelkDoc& doc, ReplayInteraction& script) {
  RecordingOpenFields f;
  f.paths = in.paths;
  for (const std::string& name : in.formats) {
    RecordingFormat format = RecordingFormat::kAuto;
    if (!FormatNamed(name, format)) {
      script.ShowMessage(VELK_TRANSLATE_NOOP("velk", "不认识的文件格式“%1”。"), {name});
      return kReadFailed;
    }
    f.formats.push_back(format);
  }
  f.incident = {in.incidentFile, in.incidentChannel};
  f.transmitted = {in.transmittedFile, in.transmittedChannel};
  f.incidentStart = in.incidentStart;
  f.transmittedStart = in.transmittedStart;
  f.layouts = in.layouts;
  PreparedWaves waves;
  if (!PrepareRecordingWaves(f, script, waves)) return kReadFailed;
  return InstallRecordingWaves(doc, script, std::move(waves));
}

int ReadRecordingPair(const SessionInput& in, CVelkDoc& doc, ReplayInteraction& script) {
  RecordingPick picks[2];
  for (int k = 0; k < 2; ++k) {
    if (!FormatNamed(in.formats[k], picks[k].format)) {
      script.ShowMessage(VELK_TRANSLATE_NOOP("velk", "不认识的文件格式“%1”。"), {in.formats[k]});
      return kReadFailed;
    }
    picks[k].path = in.paths[k];
    picks[k].channel = in.channels[k];
    if (static_cast<std::size_t>(k) < in.layouts.size()) picks[k].layout = in.layouts[k];
  }
  picks[0].start = in.incidentStart;
  picks[1].start = in.transmittedStart;
  return RecordingPairReader(picks[0], picks[1]).Read(doc, script);
}

int ReadInputs(const SessionInput& in, CVelkDoc& doc, ReplayInteraction& script) {
  Workspace& ws = doc.ws();
  ws.flags = 0;
  switch (in.source) {
    case SessionSource::kTektronix:
    case SessionSource::kCs20000:
      ws.waveOpen = {in.paths[0], in.paths[1], in.incidentStart, in.transmittedStart};
      return in.source == SessionSource::kTektronix ? ReadTektronixWaves(doc, script)
                                                    : ReadCs20000Waves(doc, script);
    case SessionSource::kRecordFile:
      ws.openedRecordPath = in.paths[0];
      return RecordFileReader(in.paths[0]).Read(doc, script);
    case SessionSource::kRecording:
      return ReadRecordings(in, doc, script);
    case SessionSource::kRecordingPair:
      return ReadRecordingPair(in, doc, script);
    case SessionSource::kNone:
      break;
  }
  return kReadFailed;
}

bool OpenInputs(const SessionInput& in, const std::string& sessionPath, CVelkDoc& doc,
                Interaction& ui) {
  for (const std::string& path : in.paths) {
    if (!CanOpenForReading(path)) {
      ui.ShowMessage(VELK_TRANSLATE_NOOP("velk", "会话 %1 的输入文件 %2 无法打开。"),
                     {sessionPath, path});
      return false;
    }
  }
  ReplayInteraction script;
  if (ReadInputs(in, doc, script) != kReadOk) {
    for (const auto& s : script.said) ui.ShowMessage(s.text, s.args);
    if (script.said.empty()) {
      ui.ShowMessage(VELK_TRANSLATE_NOOP("velk", "会话 %1 的输入文件 %2 无法打开。"),
                     {sessionPath, in.paths.front()});
    }
    return false;
  }
  if (RawDigest(doc) != in.check) {
    ui.ShowMessage(
        VELK_TRANSLATE_NOOP("velk",
                            "会话 %1 的输入文件已改变：读出的波形与保存会话时不同。会话没有打开。"),
        {sessionPath});
    return false;
  }
  NoteOpened(doc, in);
  return true;
}

// Typed windows outside the waves would be clamped by the command and give other curves.
void Script(const SessionStep& step, ReplayInteraction& script) {
  script.methodAnswers = {step.method};
  script.pickAnswers.assign(step.picks.begin(), step.picks.end());
  if (!step.windows) return;
  script.sheetAnswers.push_back([&step](Sheet& sheet) {
    for (SheetPage& page : sheet.pages) {
      if (auto* w = std::get_if<WavePosPage>(&page.data)) {
        const auto& v = *step.windows;
        w->incStart = v[0];
        w->incEnd = v[1];
        w->refStart = v[2];
        w->refEnd = v[3];
        w->trStart = v[4];
        w->trEnd = v[5];
        page.opened = true;
      } else if (auto* c = std::get_if<CalibrationPage>(&page.data)) {
        page.opened = step.baselines.has_value();
        if (!step.baselines) continue;
        c->incBaseStart = (*step.baselines)[0];
        c->incBaseEnd = (*step.baselines)[1];
        c->trBaseStart = (*step.baselines)[2];
        c->trBaseEnd = (*step.baselines)[3];
      }
    }
    return true;
  });
}

void Run(const SessionStep& step, CVelkDoc& doc, ReplayInteraction& script) {
  switch (step.command) {
    case SessionCommand::kCalculate:
      JournaledCalculate(doc, script);
      break;
    case SessionCommand::kRecalculate:
      JournaledRecalculate(doc, script);
      break;
    case SessionCommand::kSmooth:
      JournaledSmoothing(doc, step.points, step.total, script);
      break;
    case SessionCommand::kCut:
      JournaledCut(doc, script);
      break;
    case SessionCommand::kStraighten:
      JournaledStraighten(doc, script);
      break;
  }
}

const char* CommandName(SessionCommand c) {
  switch (c) {
    case SessionCommand::kCalculate:
      return "calculate";
    case SessionCommand::kRecalculate:
      return "recalculate";
    case SessionCommand::kSmooth:
      return "smooth";
    case SessionCommand::kCut:
      return "cut";
    case SessionCommand::kStraighten:
      return "straighten";
  }
  return "";
}

bool ReplaySteps(const SessionFile& s, const std::string& sessionPath, CVelkDoc& doc,
                 ReplayView& view, Interaction& ui) {
  for (std::size_t i = 0; i < s.journal.steps.size(); ++i) {
    const SessionStep& step = s.journal.steps[i];
    const std::string number = std::to_string(i + 1);
    if (step.settings) ApplySettings(doc, *step.settings);
    doc.m_view = step.hasView ? &view : nullptr;
    if (step.hasView) {
      view.SelectCurve(step.curveKind, step.viewShowsUnsmoothed, step.viewShowsSmoothed);
    }
    doc.m_chooser.showSmoothedChecked = step.chooserShowsSmoothed;
    ReplayInteraction script;
    Script(step, script);
    Run(step, doc, script);
    if (CurveDigest(doc) != step.check) {
      ui.ShowMessage(VELK_TRANSLATE_NOOP(
                         "velk", "会话 %1 第 %2 步（%3）重放的结果与保存时不同。会话没有打开。"),
                     {sessionPath, number, CommandName(step.command)});
      return false;
    }
  }
  return true;
}

}  // namespace

bool ReplaySession(const SessionFile& s, const std::string& sessionPath, CVelkDoc& doc,
                   Interaction& ui, CurveSelection* shown) {
  if (!OpenInputs(s.journal.input, sessionPath, doc, ui)) return false;
  DocView* const ownView = doc.m_view;
  ReplayView view(doc);
  const bool ok = ReplaySteps(s, sessionPath, doc, view, ui);
  const bool hadView = doc.m_view == &view;
  doc.m_view = ownView;
  if (!ok) return false;
  ApplySettings(doc, s.settings);
  if (shown != nullptr) {
    *shown = CurveSelection{};
    if (hadView) *shown = view;
  }
  doc.NotifyChooser();
  return true;
}

}  // namespace velk
