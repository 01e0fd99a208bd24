#include "dialogs/test_setup_dlg.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "dialog_test_support.h"
#include "plot/core/view_model.h"
#include "record/velk_doc.h"

namespace velk {
namespace {

using testing::App;
using testing::EditById;
using testing::MessageRecorder;
using testing::TypeOver;

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

TEST(CTestSetupDlg, AZeroSamplingFrequencyKeepsTheLastUsableIntervalAndSaysSo) {
  Fixture f;
  MessageRecorder rec;
  CTestSetupDlg dlg(f.doc);
  dlg.show();
  auto* warning = dlg.findChild<QLabel*>("frequencyWarning");
  ASSERT_NE(warning, nullptr);
  QLineEdit* freq = EditById(&dlg, 2000);
  TypeOver(freq, "0");
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
  EXPECT_EQ(f.ws.params.sampleIntervalUs, 2.0);
  EXPECT_FALSE(warning->isVisible());
  EXPECT_TRUE(rec.messages.empty());
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

}  // namespace
}  // namespace velk
