// "弥散修正" and the gauge distances in the setup dialog.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "dialog_test_support.h"
#include "dialogs/test_setup_dlg.h"
#include "record/velk_doc.h"

namespace velk {
namespace {

using testing::App;
using testing::EditById;
using testing::MessageRecorder;
using testing::TypeOver;

TEST(CTestSetupDlg, DispersionFieldsReachTheParametersAndSayWhatStopsTheCorrection) {
  App();
  Workspace ws;
  CVelkDoc doc(ws);
  ASSERT_TRUE(ws.bars.AddMaterial({"soft", 2000, 3000, 0.01, 750}));
  ws.params.barMaterialIndex = 0;
  ws.params.barDiameterIndex = 1;
  ws.params.trBarMaterialIndex = 2;
  ws.params.trBarDiameterIndex = 1;
  ws.params.sampleIntervalUs = 0.2;
  ws.params.dispersionCorrection = true;
  ws.params.incGaugeDistanceMm = 1200;
  doc.LoadParametersIntoSetup();
  doc.m_setup.computeModel = 2;
  MessageRecorder rec;
  CTestSetupDlg dlg(doc);
  dlg.show();
  auto* box = dlg.findChild<QCheckBox*>("dispersion");
  auto* warning = dlg.findChild<QLabel*>("dispersionWarning");
  ASSERT_NE(box, nullptr);
  ASSERT_NE(warning, nullptr);
  // A loaded parameter file shows its correction and distances.
  EXPECT_TRUE(box->isChecked());
  EXPECT_EQ(EditById(&dlg, 2006)->text(), "1200");
  EXPECT_FALSE(warning->isVisible());

  EditById(&dlg, 2007)->setText("-5");  // pasted: a lone "-" typed first would not parse
  EXPECT_EQ(ws.params.trGaugeDistanceMm, -5.0f);
  EXPECT_TRUE(warning->isVisible());
  EXPECT_TRUE(warning->text().contains("-5")) << warning->text().toStdString();
  TypeOver(EditById(&dlg, 2007), "800");
  EXPECT_EQ(ws.params.trGaugeDistanceMm, 800.0f);
  EXPECT_FALSE(warning->isVisible());

  // A transmission bar whose Poisson's ratio the theory does not cover.
  dlg.findChild<QCheckBox*>("1017")->click();
  EXPECT_TRUE(warning->isVisible());
  EXPECT_TRUE(warning->text().contains("0.01")) << warning->text().toStdString();
  box->click();
  EXPECT_FALSE(ws.params.dispersionCorrection);
  EXPECT_FALSE(warning->isVisible());
  box->click();
  dlg.findChild<QCheckBox*>("1017")->click();
  EXPECT_FALSE(warning->isVisible());
  dlg.findChild<QComboBox*>("1014")->setCurrentIndex(4);
  EXPECT_TRUE(warning->isVisible());
  EXPECT_TRUE(rec.messages.empty());
}

}  // namespace
}  // namespace velk
