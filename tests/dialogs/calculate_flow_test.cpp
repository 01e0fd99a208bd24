// The calculate command driven through the real dialogs: the method dialog, the "calculate" sheet
// of method 3 and the prompts of method 1, on the bundled Tektronix sample.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <algorithm>

#include "dialog_test_support.h"
#include "dialogs/curve_select_dlg.h"
#include "dialogs/method_dlg.h"
#include "dialogs/property_pages.h"
#include "dialogs/recap_dlg.h"
#include "dialogs/test_setup_dlg.h"
#include "plot/core/view_model.h"
#include "record/param_file.h"
#include "record/reader.h"
#include "record/scripted_interaction.h"
#include "record/velk_doc.h"
#include "reduction/calculate.h"
#include "reduction/conditioning.h"
#include "tools/calibration.h"
#include "tools/recap.h"

namespace velk {
namespace {

using testing::App;
using testing::DriveWhenUp;
using testing::EditById;

// Sheets, the recapitulation and the method choice through the dialogs; messages and point
// picks from the script.
class DialogInteraction : public ScriptedInteraction {
 public:
  bool RunSheet(Sheet& sheet) override { return RunPropertySheet(nullptr, sheet); }
  bool RunRecap(RecapFields& fields) override { return RunRecapDialog(nullptr, fields); }
  int ChooseWindowMethod() override { return ChooseWindowMethodDialog(nullptr); }
};

const std::string kSamples = std::string(VELK_SOURCE_DIR) + "/samples/tek/";

struct SampleTest {
  SampleTest() : doc(ws), view(doc) {
    App();
    ws.waveOpen = {kSamples + "T1_inc.txt", kSamples + "T1_tr.txt", 0, 0};
    EXPECT_EQ(ReadTektronixWaves(doc, ia), kReadOk);
    setup = std::make_unique<CTestSetupDlg>(doc);
    chooser = std::make_unique<CCurveSelectDlg>(doc);
    EXPECT_TRUE(LoadParameterFile(kSamples + "T1.PAT", ws.params).ok);
    doc.LoadParametersIntoSetup();
    doc.m_view = &view;
    view.InitialUpdate();
    view.SelectCurve(kOriginalWave, 1, 0);
  }
  double MidEngStress() const { return doc.m_computed[kEngStress][doc.m_lastResultIndex / 2]; }
  void ChooseMethod(int buttonId) {
    DriveWhenUp<CMethodDlg>([buttonId](CMethodDlg* d) {
      d->findChild<QPushButton*>(QString::number(buttonId))->click();
    });
  }
  void ExpectResults() {
    EXPECT_TRUE(ws.Has(kResultsComputed));
    EXPECT_EQ(view.m_curveKind, kProcessedWave);
    EXPECT_TRUE(chooser->button(1040)->isEnabled());
    EXPECT_GT(doc.m_lastResultIndex, 100);
    // A steel specimen yielding at 400 MPa with some hardening: the flow stress half way through
    // the pulse must be of that size, not zero, not scaled by a wrong factor.
    EXPECT_GT(MidEngStress(), 400.0);
    EXPECT_LT(MidEngStress(), 650.0);
  }
  Workspace ws;
  CVelkDoc doc;
  ViewModel view;
  DialogInteraction ia;
  std::unique_ptr<CTestSetupDlg> setup;
  std::unique_ptr<CCurveSelectDlg> chooser;
};

TEST(CalculateFlow, MethodTwoAlignsThePeaksAndComputes) {
  SampleTest t;
  t.ChooseMethod(1032);
  EXPECT_EQ(OnCalculate(t.doc, t.ia), kDone);
  t.ExpectResults();
  EXPECT_TRUE(t.ia.messages.empty());
  // Recompute gives the same curves.
  const auto before = t.doc.m_computed;
  EXPECT_TRUE(OnRecalculate(t.doc, t.ia));
  EXPECT_EQ(t.doc.m_computed, before);
}

TEST(CalculateFlow, MethodThreeTakesTheTypedWindowsFromTheCalculateSheet) {
  SampleTest t;
  // Cancelled sheet: nothing computed, the chooser stays as it was.
  t.ChooseMethod(1033);
  DriveWhenUp<PropertySheet>([](PropertySheet* s) { s->reject(); });
  EXPECT_EQ(OnCalculate(t.doc, t.ia), kCancelled);
  EXPECT_FALSE(t.ws.Has(kResultsComputed));
  EXPECT_FALSE(t.chooser->button(1032)->isEnabled());

  QString incStart;
  t.ChooseMethod(1033);
  DriveWhenUp<PropertySheet>([&](PropertySheet* s) {
    incStart = EditById(s->page(0), 1015)->text();
    // The windows the parameter file proposes, with the transmitted end typed shorter.
    QLineEdit* trEnd = EditById(s->page(0), 1018);
    trEnd->selectAll();
    QTest::keyClicks(trEnd, "1800");
    s->accept();
  });
  EXPECT_EQ(OnCalculate(t.doc, t.ia), kDone);
  EXPECT_EQ(incStart, "400");
  EXPECT_EQ(t.doc.m_windows[kTrEnd], 1800);
  EXPECT_EQ(t.doc.m_lastResultIndex, 1800 - 1185);
  t.ExpectResults();
}

TEST(CalculateFlow, MethodOnePromptsForThreePicks) {
  SampleTest t;
  // Picks at the ends of the true windows: at or after each peak.
  t.ia.pickAnswers = {1026, 2002, 1835};
  t.ChooseMethod(1031);
  EXPECT_EQ(OnCalculate(t.doc, t.ia), kDone);
  EXPECT_EQ(t.ia.messages, (std::vector<std::string>{"请选择入射波上一点", "请选择反射波上一点",
                                                     "请选择透射波上一点"}));
  EXPECT_EQ(t.doc.m_shownWaves, 1);  // restored
  t.ExpectResults();

  // Closing the method dialog runs nothing.
  const auto windows = t.doc.m_windows;
  DriveWhenUp<CMethodDlg>([](CMethodDlg* d) { d->close(); });
  EXPECT_EQ(OnCalculate(t.doc, t.ia), kCancelled);
  EXPECT_EQ(t.doc.m_windows, windows);
}

TEST(CalculateFlow, CalibrationSheetAndRecapitulationGoThroughTheirDialogs) {
  SampleTest t;
  const double trFactor = t.ws.params.channel[kTransmitted].factor;
  DriveWhenUp<PropertySheet>([&](PropertySheet* s) {
    QWidget* p = s->page(0);
    for (auto [id, text] : {std::pair{1070, "1"}, {1000, "1.5"}, {1002, "1000"}, {1003, "2"}}) {
      EditById(p, id)->selectAll();
      QTest::keyClicks(EditById(p, id), text);
    }
    s->accept();
  });
  OnStaticCalibration(t.doc, t.ia);
  EXPECT_EQ(t.ws.params.channel[kIncident].factor, 333.333333);
  EXPECT_EQ(t.ws.params.channel[kTransmitted].factor, trFactor);
  EXPECT_TRUE(t.ws.Has(kCalibration));
  EXPECT_FALSE(t.ws.Has(kBridgeParams));

  DriveWhenUp<CRecapDlg>([](CRecapDlg* d) {
    EXPECT_EQ(EditById(d, 1068)->text(), "15");  // the striker velocity of the parameter file
    EditById(d, 1069)->setText("300");
    d->accept();
  });
  OnRecapitulation(t.doc, t.ia);
  EXPECT_EQ(t.ws.params.strikeBarLengthMm, 300.0f);
}

}  // namespace
}  // namespace velk
