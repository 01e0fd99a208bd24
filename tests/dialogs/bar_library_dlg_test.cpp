#include "dialogs/bar_library_dlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QTableWidget>

#include "dialog_test_support.h"
#include "dialogs/test_setup_dlg.h"
#include "plot/core/view_model.h"

namespace velk {
namespace {

TEST(BarLibraryDlg, OnlyTheLabsRowsAreEditableAndOkTakesTheEdits) {
  testing::App();
  BarLibrary lib;
  ASSERT_TRUE(lib.AddMaterial({"Ti-6Al-4V", 4975, 109300, 0.34, 4416}));
  lib.AddSessionDiameter("a1.PAT", 70.0);
  CBarLibraryDlg dlg(lib);
  QTableWidget* m = dlg.materialTable();
  ASSERT_EQ(m->rowCount(), 3);
  EXPECT_FALSE(m->item(0, 1)->flags() & Qt::ItemIsEditable);  // built-in
  EXPECT_TRUE(m->item(2, 1)->flags() & Qt::ItemIsEditable);
  EXPECT_FALSE(dlg.diameterTable()->item(3, 0)->flags() & Qt::ItemIsEditable);  // session row

  m->item(2, 1)->setText("4980");
  dlg.AddMaterialRow();
  m->item(3, 0)->setText("S20");
  dlg.AddDiameterRow();
  m->setCurrentCell(0, 0);
  dlg.RemoveSelected(dlg.diameterTable());  // the new diameter row "20" is current there
  dlg.accept();
  ASSERT_EQ(lib.Materials().size(), 4u);
  EXPECT_EQ(lib.Materials()[2].waveSpeedMs, 4980.0);
  EXPECT_EQ(lib.Materials()[3].name, "S20");
  EXPECT_EQ(lib.Diameters().size(), 4u);
  EXPECT_EQ(lib.Diameters()[3].origin, BarRowOrigin::Session);
}

TEST(BarLibraryDlg, SetupDialogListsTheLibraryAndKeepsTheTransmissionBarAndLimit) {
  testing::App();
  Workspace ws;
  ASSERT_TRUE(ws.bars.AddMaterial({"Ti-6Al-4V", 4975, 109300, 0.34, 4416}));
  CVelkDoc doc(ws);
  doc.InstallWaves(std::vector<double>(400, 0.5), std::vector<double>(400, 0.25));
  ViewModel view(doc);
  doc.m_view = &view;
  CTestSetupDlg dlg(doc);
  auto* material = dlg.findChild<QComboBox*>("1003");
  auto* trMaterial = dlg.findChild<QComboBox*>("1015");
  auto* differs = dlg.findChild<QCheckBox*>("1017");
  auto* limit = dlg.findChild<QSpinBox*>("resultLimit");
  ASSERT_TRUE(material && trMaterial && differs && limit);
  EXPECT_EQ(material->count(), 3);
  EXPECT_EQ(material->itemText(2), "Ti-6Al-4V");
  EXPECT_FALSE(trMaterial->isEnabled());
  material->setCurrentIndex(2);
  EXPECT_EQ(ws.params.barWaveSpeedMs, 4975.0f);
  EXPECT_EQ(ws.params.trBarWaveSpeedMs, 4975.0f);  // twin bars
  differs->setChecked(true);
  EXPECT_TRUE(trMaterial->isEnabled());
  trMaterial->setCurrentIndex(1);
  EXPECT_TRUE(ws.params.trBarDiffers);
  EXPECT_EQ(ws.params.trBarWaveSpeedMs, 5065.0f);
  EXPECT_EQ(limit->value(), 2000);
  limit->setValue(0);
  EXPECT_EQ(doc.m_resultLimit, 0);
  EXPECT_EQ(ws.resultLimit, 0);
}

}  // namespace
}  // namespace velk
