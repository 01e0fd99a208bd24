#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "dialog_test_support.h"
#include "dialogs/curve_select_dlg.h"
#include "dialogs/test_setup_dlg.h"
#include "plot/core/view_model.h"
#include "record/velk_doc.h"

namespace velk {
namespace {

using testing::App;
using testing::EditById;
using testing::MessageRecorder;

// A record with short waves and a view model standing in for the plot view.
struct Fixture {
  Fixture() : doc(ws), view(doc) {
    App();
    doc.InstallWaves(std::vector<double>(400, 0.5), std::vector<double>(400, 0.25));
    doc.m_view = &view;
  }
  Workspace ws;
  CVelkDoc doc;
  ViewModel view;
};

TEST(CTestSetupDlg, EveryKeystrokeCopiesItsFieldIntoTheTestParameters) {
  Fixture f;
  MessageRecorder rec;
  CTestSetupDlg dlg(f.doc);
  // The striker velocity shown is the record's 3.0; the test parameter is not reset by it.
  EXPECT_EQ(EditById(&dlg, 2003)->text(), "3");
  EXPECT_EQ(f.ws.params.strikerVelocityMs, 0.0f);
  QLineEdit* freq = EditById(&dlg, 2000);
  freq->selectAll();
  QTest::keyClick(freq, Qt::Key_Backspace);  // emptied: the message, frequency unchanged
  ASSERT_EQ(rec.messages, std::vector<std::string>{kTypeANumber});
  EXPECT_EQ(f.ws.params.samplingMhz, 5.0f);
  EXPECT_EQ(f.ws.params.sampleIntervalUs, 0.2);
  QTest::keyClicks(freq, "10");
  EXPECT_EQ(f.ws.params.samplingMhz, 10.0f);
  EXPECT_EQ(f.ws.params.sampleIntervalUs, 1.0 / 10.0f);

  QLineEdit* matrix = EditById(&dlg, 2005);
  matrix->selectAll();
  QTest::keyClicks(matrix, "800");
  EXPECT_EQ(f.ws.params.matrixWaveSpeedMs, 800.0f);
  EXPECT_EQ(f.doc.m_setup.matrixWaveSpeedMs, 800.0f);

  // A bad field before the edited one stops the reading there; the edited field then copies
  // the value it last held as a number.
  EditById(&dlg, 2001)->setText("x");  // read before 2002
  rec.messages.clear();
  QLineEdit* thick = EditById(&dlg, 2002);
  thick->selectAll();
  QTest::keyClicks(thick, "6");
  EXPECT_EQ(f.ws.params.specimenThicknessMm, 4.0f);
  EXPECT_FALSE(rec.messages.empty());
}

TEST(CTestSetupDlg, AZeroSamplingFrequencyKeepsTheLastUsableIntervalAndSaysSo) {
  Fixture f;
  MessageRecorder rec;
  CTestSetupDlg dlg(f.doc);
  dlg.show();
  auto* warning = dlg.findChild<QLabel*>("frequencyWarning");
  ASSERT_NE(warning, nullptr);
  EXPECT_FALSE(warning->isVisible());
  QLineEdit* freq = EditById(&dlg, 2000);
  freq->selectAll();
  QTest::keyClicks(freq, "0");
  EXPECT_EQ(f.doc.m_setup.samplingMhz, 0.0f);
  EXPECT_EQ(f.ws.params.samplingMhz, 5.0f);
  EXPECT_EQ(f.ws.params.sampleIntervalUs, 0.2);
  EXPECT_TRUE(warning->isVisible());
  EXPECT_TRUE(warning->text().contains("5 MHz"));
  // Enter does not close the window on a frequency the computation could not use.
  QTest::keyClick(freq, Qt::Key_Return);
  EXPECT_TRUE(dlg.isVisible());
  QTest::keyClick(freq, Qt::Key_End);
  QTest::keyClicks(freq, ".5");
  EXPECT_EQ(f.ws.params.samplingMhz, 0.5f);
  EXPECT_EQ(f.ws.params.sampleIntervalUs, 2.0);
  EXPECT_FALSE(warning->isVisible());
  EXPECT_TRUE(rec.messages.empty());
}

TEST(CTestSetupDlg, ListsSetTheBarAtOnceAndTheRadioGroupRebindsTheView) {
  Fixture f;
  CTestSetupDlg dlg(f.doc);
  dlg.show();
  auto* diameter = dlg.findChild<QComboBox*>("1004");
  diameter->setCurrentIndex(2);
  EXPECT_EQ(f.ws.params.barAreaMm2, 201.0619264);
  EXPECT_EQ(f.ws.params.barDiameterIndex, 2);
  dlg.findChild<QComboBox*>("1003")->setCurrentIndex(1);
  EXPECT_EQ(f.ws.params.barWaveSpeedMs, 5065.0f);
  dlg.findChild<QComboBox*>("1014")->setCurrentIndex(4);
  EXPECT_EQ(f.doc.m_setup.computeModel, 4);

  f.view.SelectCurve(kOriginalWave, 1, 0);
  EXPECT_EQ(f.view.m_unsmoothedY, &f.doc.m_rawInc);
  QTest::mouseClick(dlg.findChild<QRadioButton*>("1008"), Qt::LeftButton);
  EXPECT_EQ(f.doc.m_shownWaves, 2);
  EXPECT_EQ(f.view.m_unsmoothedY, &f.doc.m_rawTr);
  QTest::mouseClick(dlg.findChild<QRadioButton*>("1009"), Qt::LeftButton);
  EXPECT_EQ(f.doc.m_shownWaves, 3);

  // Loading parameters writes them to the controls; the model and the wave choice stay.
  f.ws.params.specimenDiameterMm = 10.0f;
  f.ws.params.barDiameterIndex = 1;
  f.doc.LoadParametersIntoSetup();
  EXPECT_EQ(EditById(&dlg, 2001)->text(), "10");
  EXPECT_EQ(diameter->currentIndex(), 1);
  EXPECT_EQ(dlg.findChild<QComboBox*>("1014")->currentIndex(), 4);
}

TEST(CTestSetupDlg, EnterHidesOnlyWhenEveryFieldParsesAndEscapeHidesAtOnce) {
  Fixture f;
  MessageRecorder rec;
  CTestSetupDlg dlg(f.doc);
  dlg.show();
  EditById(&dlg, 2004)->setText("abc");
  rec.messages.clear();
  QTest::keyClick(EditById(&dlg, 2001), Qt::Key_Return);
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(rec.messages, std::vector<std::string>{kTypeANumber});
  EditById(&dlg, 2004)->setText("4000");
  QTest::keyClick(EditById(&dlg, 2001), Qt::Key_Enter);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(f.doc.m_setup.specimenWaveSpeedMs, 4000.0f);
  dlg.show();
  EditById(&dlg, 2004)->setText("abc");
  QTest::keyClick(&dlg, Qt::Key_Escape);
  EXPECT_FALSE(dlg.isVisible());
}

TEST(CCurveSelectDlg, StartsWithOnlyTheRecordedWavesAndFollowsTheRecord) {
  Fixture f;
  CCurveSelectDlg dlg(f.doc);
  EXPECT_TRUE(dlg.button(1031)->isEnabled());
  for (int id = 1032; id <= 1040; ++id) EXPECT_FALSE(dlg.button(id)->isEnabled()) << id;
  EXPECT_FALSE(dlg.checkBox(1042)->isChecked());
  f.doc.m_chooser.processedEnabled = true;
  f.doc.NotifyChooser();
  EXPECT_TRUE(dlg.button(1032)->isEnabled());
  EXPECT_FALSE(dlg.button(1033)->isEnabled());
  f.doc.m_chooser.resultsEnabled = true;
  f.doc.m_chooser.showSmoothedChecked = true;
  f.doc.NotifyChooser();
  for (int id = 1033; id <= 1040; ++id) EXPECT_TRUE(dlg.button(id)->isEnabled()) << id;
  EXPECT_TRUE(dlg.checkBox(1042)->isEnabled());
  EXPECT_TRUE(dlg.checkBox(1042)->isChecked());
}

TEST(CCurveSelectDlg, ButtonsSelectKindsAndTheCheckBoxesNeverBothClear) {
  Fixture f;
  f.doc.m_chooser.processedEnabled = true;
  f.doc.m_chooser.resultsEnabled = true;
  CCurveSelectDlg dlg(f.doc);
  dlg.show();
  for (int id = 1031; id <= 1040; ++id) {
    QTest::mouseClick(dlg.button(id), Qt::LeftButton);
    EXPECT_EQ(f.view.m_curveKind, id - 1028);
  }
  QCheckBox* raw = dlg.checkBox(1041);
  QCheckBox* smooth = dlg.checkBox(1042);
  QTest::mouseClick(raw, Qt::LeftButton);  // clearing the only set box sets the other
  EXPECT_FALSE(raw->isChecked());
  EXPECT_TRUE(smooth->isChecked());
  EXPECT_EQ(f.view.m_showUnsmoothed, 0);
  EXPECT_EQ(f.view.m_showSmoothed, 1);
  QTest::mouseClick(raw, Qt::LeftButton);  // both may be set
  EXPECT_TRUE(raw->isChecked());
  EXPECT_TRUE(smooth->isChecked());
  QTest::mouseClick(raw, Qt::LeftButton);
  QTest::mouseClick(smooth, Qt::LeftButton);
  EXPECT_TRUE(raw->isChecked());
  EXPECT_FALSE(smooth->isChecked());
  EXPECT_TRUE(f.doc.m_chooser.showUnsmoothedChecked);
  EXPECT_FALSE(f.doc.m_chooser.showSmoothedChecked);
  EXPECT_EQ(f.view.m_showUnsmoothed, 1);
  EXPECT_EQ(f.view.m_showSmoothed, 0);
}

}  // namespace
}  // namespace velk
