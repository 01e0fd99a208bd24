#include "dialogs/smooth_dlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "dialog_test_support.h"
#include "dialogs/curve_select_dlg.h"
#include "plot/core/view_model.h"
#include "record/scripted_interaction.h"
#include "record/velk_doc.h"
#include "reduction/smoothing.h"

namespace velk {
namespace {

using testing::App;

TEST(LeadingDigitsValue, TakesTheLeadingDigitsLikeTheRecorderPanelDid) {
  EXPECT_EQ(LeadingDigitsValue("12"), 12);
  EXPECT_EQ(LeadingDigitsValue(" 7x"), 7);
  EXPECT_EQ(LeadingDigitsValue(""), 0);
  EXPECT_EQ(LeadingDigitsValue("-5"), 0);
  EXPECT_EQ(LeadingDigitsValue("99999999999"), 0);
}

struct SmoothFixture {
  SmoothFixture() : doc(ws), view(doc) {
    App();
    std::vector<double> inc(40), tr(40);
    for (int i = 0; i < 40; ++i) {
      inc[i] = std::sin(i * 0.7) + (i % 3);
      tr[i] = std::cos(i * 0.3) * (i % 5);
    }
    doc.InstallWaves(inc, tr);
    doc.m_view = &view;
    view.SelectCurve(kOriginalWave, 1, 0);
  }
  Workspace ws;
  CVelkDoc doc;
  ViewModel view;
  ScriptedInteraction ia;
};

TEST(CSmoothDlg, PassesAccumulateWhileSmoothedCurvesAreCheckedAndRestartOtherwise) {
  SmoothFixture f;
  CCurveSelectDlg chooser(f.doc);
  QPointer<CSmoothDlg> dlg = new CSmoothDlg(f.doc, f.ia);
  chooser.SetSmoothDialog(dlg);
  EXPECT_EQ(dlg->totalPoints()->text(), "40");
  dlg->show();
  auto* smoothButton = dlg->findChild<QPushButton*>("1");
  ASSERT_NE(smoothButton, nullptr);

  std::vector<double> start = f.doc.m_rawInc;
  start.push_back(start.back());  // the spare entry repeats the last sample
  const std::vector<double> once = SmoothArray(start, 3, 40);
  const std::vector<double> twice = SmoothArray(once, 3, 40);

  QTest::mouseClick(smoothButton, Qt::LeftButton);
  EXPECT_EQ(f.doc.m_smoothInc, once);
  EXPECT_TRUE(f.doc.m_chooser.showSmoothedChecked);
  EXPECT_TRUE(chooser.checkBox(1042)->isChecked());
  EXPECT_EQ(f.view.m_showSmoothed, 1);

  QTest::keyClick(dlg->smoothingPoints(), Qt::Key_Return);  // Enter presses "光滑"
  EXPECT_EQ(f.doc.m_smoothInc, twice);

  // Unchecking "光滑后曲线" (the chooser re-enables it for results only, so uncheck in the record
  // as the check box would) makes the next pass start again from the recorded wave.
  f.doc.m_chooser.showSmoothedChecked = false;
  f.view.m_showSmoothed = 0;
  QTest::mouseClick(smoothButton, Qt::LeftButton);
  EXPECT_EQ(f.doc.m_smoothInc, once);
  EXPECT_TRUE(f.ia.messages.empty());

  // Points the arrays cannot take: a message and nothing smoothed. Letters cannot be typed.
  dlg->smoothingPoints()->selectAll();
  QTest::keyClicks(dlg->smoothingPoints(), "x25");
  EXPECT_EQ(dlg->smoothingPoints()->text(), "25");
  QTest::mouseClick(smoothButton, Qt::LeftButton);
  EXPECT_EQ(f.ia.messages.size(), 1u);
  EXPECT_EQ(f.doc.m_smoothInc, once);

  // A result kind chosen in the chooser locks the total points; a wave kind unlocks them.
  f.doc.m_chooser.resultsEnabled = true;
  f.doc.NotifyChooser();
  chooser.show();
  QTest::mouseClick(chooser.button(1033), Qt::LeftButton);
  EXPECT_TRUE(dlg->totalPoints()->isReadOnly());
  QTest::mouseClick(chooser.button(1031), Qt::LeftButton);
  EXPECT_FALSE(dlg->totalPoints()->isReadOnly());

  QTest::mouseClick(dlg->findChild<QPushButton*>("2"), Qt::LeftButton);  // "关闭"
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(dlg.isNull());
  QTest::mouseClick(chooser.button(1033), Qt::LeftButton);  // the chooser forgot it
}

}  // namespace
}  // namespace velk
