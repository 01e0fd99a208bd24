// Session files: an operator's run with a plot view (smoothing what the view shows, parameter
// edits between commands, a lab's own bar) replays bit for bit on another workspace, and each kind
// of bad session file is refused with a message naming it.
#include <gtest/gtest.h>

#include <variant>

#include "../record/test_files.h"
#include "record/param_file.h"
#include "record/reader.h"
#include "record/scripted_interaction.h"
#include "reduction/wave_windows.h"
#include "tools/session_commands.h"
#include "tools/session_file.h"
#include "tools/session_replay.h"

namespace velk {
namespace {

const std::string kTek = std::string(VELK_SOURCE_DIR) + "/samples/tek/";

// The plot view as the desktop program has it: it decides what smoothing works on.
class FakeView : public DocView {
 public:
  explicit FakeView(CVelkDoc& doc) : m_doc(doc) { doc.m_view = this; }
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
    return true;
  }

 private:
  CVelkDoc& m_doc;
};

void OpenT1(CVelkDoc& doc, Interaction& ui) {
  Workspace& ws = doc.ws();
  ws.waveOpen = {kTek + "T1_inc.txt", kTek + "T1_tr.txt", 0, 0};
  ASSERT_EQ(ReadTektronixWaves(doc, ui), kReadOk);
  NoteOpened(doc, WaveFilesInput(ws.waveOpen, true));
  ASSERT_TRUE(LoadParameterFile(kTek + "T1.PAT", ws));
  doc.LoadParametersIntoSetup();
}

void ExpectSameCurves(const CVelkDoc& a, const CVelkDoc& b) {
  EXPECT_EQ(a.m_workInc, b.m_workInc);
  EXPECT_EQ(a.m_workTr, b.m_workTr);
  EXPECT_EQ(a.m_smoothInc, b.m_smoothInc);
  EXPECT_EQ(a.m_smoothTr, b.m_smoothTr);
  EXPECT_EQ(a.m_computed, b.m_computed);
  EXPECT_EQ(a.m_smoothed, b.m_smoothed);
  EXPECT_EQ(a.m_windows, b.m_windows);
  EXPECT_EQ(a.m_lastResultIndex, b.m_lastResultIndex);
}

// A session of T1 saved at path: typed windows on smoothed waves, then two result commands.
std::string SaveTypedSession(const std::string& path) {
  Workspace ws;
  CVelkDoc doc(ws);
  ScriptedInteraction ui;
  OpenT1(doc, ui);
  const auto w = ws.params.windowIndices;
  ui.methodAnswers = {6};
  ui.sheetAnswers.push_back([w](Sheet& sheet) {
    auto& p = std::get<WavePosPage>(sheet.pages[0].data);
    p = {w[kIncEnd], w[kIncStart], w[kRefEnd], w[kRefStart], w[kTrEnd], w[kTrStart]};
    return true;
  });
  EXPECT_EQ(JournaledCalculate(doc, ui), kDone);
  EXPECT_TRUE(WriteSessionFile(path, doc));
  return ReadBytes(path);
}

TEST(Session, AnOperatorsRunWithAViewEditsAndALabBarReplaysBitForBit) {
  Workspace ws;
  ASSERT_TRUE(ws.bars.AddMaterial({"lab steel", 5050, 205000, 0.3, 8000}));
  CVelkDoc doc(ws);
  FakeView view(doc);
  ScriptedInteraction ui;
  OpenT1(doc, ui);
  doc.m_setup.barMaterialIndex = static_cast<int>(ws.bars.Materials().size()) - 1;
  doc.m_setup.computeModel = kModelThreeWave;
  doc.SetBarProperties();

  view.SelectCurve(kOriginalWave, 1, 0);
  ASSERT_TRUE(JournaledSmoothing(doc, 4, doc.pointCount() - 1, ui));
  ui.methodAnswers = {5};
  ASSERT_EQ(JournaledCalculate(doc, ui), kDone);  // from the smoothed waves the view shows
  ui.methodAnswers = {4};
  ui.pickAnswers = {700, std::nullopt};  // the second pick cancelled: working waves rebuilt
  ASSERT_EQ(JournaledCalculate(doc, ui), kCancelled);
  ui.methodAnswers = {5};
  ASSERT_EQ(JournaledCalculate(doc, ui), kDone);
  ws.params.specimenDiameterMm = 7.5f;
  doc.m_incBaseEnd = 150;
  doc.ComputeBaselineMeans();
  ASSERT_TRUE(JournaledRecalculate(doc, ui));
  view.SelectCurve(kEngStressStrain, 1, 1);
  ASSERT_TRUE(JournaledSmoothing(doc, 3, doc.m_lastResultIndex, ui));
  ui.pickAnswers = {100};
  JournaledStraighten(doc, ui);
  ui.pickAnswers = {300};
  JournaledCut(doc, ui);
  ASSERT_EQ(doc.m_lastResultIndex, 300);
  ws.params.strikerVelocityMs = 12.5f;  // after the last step: the session keeps it too

  TempDir dir;
  const std::string path = (dir.path() / "run.velks").string();
  ASSERT_TRUE(WriteSessionFile(path, doc));

  // Another computer: the lab's bar is not in its library.
  Workspace other;
  CVelkDoc replayed(other);
  ScriptedInteraction ui2;
  SessionFile file;
  ASSERT_TRUE(ReadSessionFile(path, file));
  CurveSelection shown;
  ASSERT_TRUE(ReplaySession(file, path, replayed, ui2, &shown)) << ui2.messages.front();
  ExpectSameCurves(doc, replayed);
  EXPECT_EQ(other.params.barWaveSpeedMs, 5050.0f);
  EXPECT_EQ(other.params.specimenDiameterMm, 7.5f);
  EXPECT_EQ(other.params.strikerVelocityMs, 12.5f);
  EXPECT_EQ(other.bars.Materials()[other.params.barMaterialIndex].name, "lab steel");
  EXPECT_EQ(shown.m_curveKind, kEngStressStrain);
  EXPECT_EQ(replayed.m_view, nullptr);
  // The replay rebuilt the journal: saved again, it is the same session.
  const std::string again = (dir.path() / "again.velks").string();
  ASSERT_TRUE(WriteSessionFile(again, replayed));
  EXPECT_EQ(ReadBytes(path), ReadBytes(again));
}

TEST(Session, BadSessionFilesAreRefusedWithAMessageNamingThem) {
  TempDir dir;
  const std::string path = (dir.path() / "t.velks").string();
  const std::string good = SaveTypedSession(path);
  // What the operator is told on opening text as a session; empty when it replays.
  auto said = [&](const std::string& text) {
    const std::string bad = dir.Write("bad.velks", text);
    SessionFile file;
    ScriptedInteraction ui;
    Workspace ws;
    CVelkDoc doc(ws);
    if (ReadSessionFile(bad, file).Report(ui)) ReplaySession(file, bad, doc, ui);
    std::string all;
    for (const std::string& m : ui.messages) all += m;
    return all;
  };
  auto refusal = [&](const std::string& text) {
    const std::string message = said(text);
    EXPECT_NE(message.find((dir.path() / "bad.velks").string()), std::string::npos) << message;
    return message;
  };
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string t = good;
    const auto at = t.rfind(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? t : t.replace(at, from.size(), to);
  };
  EXPECT_EQ(said(good), "");
  EXPECT_NE(refusal(good.substr(0, good.size() / 2)).find("已损坏"), std::string::npos);
  EXPECT_NE(refusal(replaced("\"command\": \"calculate\"", "\"command\": \"fold\"")).find("fold"),
            std::string::npos);
  EXPECT_NE(refusal(replaced("\"version\": 1", "\"version\": 2")).find("版本 2"),
            std::string::npos);
  EXPECT_NE(refusal(replaced("T1_inc.txt", "gone_inc.txt")).find("gone_inc.txt"),
            std::string::npos);
  // A typed window beyond the waves replays as typed; these curves were not made from it.
  EXPECT_NE(refusal(replaced("\"incident_end\": 1026", "\"incident_end\": 3001")).find("重放"),
            std::string::npos);
  // A recorded outcome the replay does not reach: the program or the file was changed.
  std::string other = good;
  const auto check = other.find("\"check\"", other.find("\"steps\""));
  char& digit = other[other.find('"', check + 8) + 1];
  digit = digit == '0' ? '1' : '0';
  EXPECT_NE(refusal(other).find("calculate"), std::string::npos);
}

}  // namespace
}  // namespace velk
