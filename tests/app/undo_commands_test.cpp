// Undo and redo of a test's changes through the command routing and the Edit menu.

#include "app/undo_commands.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "app/command_ids.h"
#include "app_fixture.h"
#include "dialogs/smooth_dlg.h"
#include "dialogs/test_setup_dlg.h"
#include "record/doc_history.h"

namespace velk {
namespace {

using testing::AppTest;

QAction* KeyAction(CMainFrame& f, int id, const QKeySequence& key) {
  for (QAction* a : f.actionsFor(id)) {
    if (a->shortcut() == key) return a;
  }
  return nullptr;
}

TEST_F(AppTest, CtrlZUndoesASmoothingAndCtrlYRedoesIt) {
  app->OpenTestFile(QStringLiteral(VELK_SOURCE_DIR "/samples/record/S1.DAT"));
  ASSERT_NE(app->ActiveRecord(), nullptr);
  CMainFrame& f = app->mainFrame();
  CVelkDoc& doc = app->ActiveRecord()->doc();
  QMenu* edit = nullptr;
  for (QMenu* m : f.visibleMenus()) {
    if (m->title() == QStringLiteral("编辑(&E)")) edit = m;
  }
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(f.visibleMenus().indexOf(edit), 1);
  auto items = [&] {
    emit edit->aboutToShow();
    return std::make_pair(edit->actions().at(0), edit->actions().at(1));
  };
  EXPECT_FALSE(items().first->isEnabled());
  EXPECT_EQ(items().first->text(), QStringLiteral("撤销(&U)\tCtrl+Z"));

  ui.methodAnswers = {5};
  ASSERT_TRUE(f.SendCommand(cmd::kCalculate));
  ASSERT_TRUE(app->ws().Has(kResultsComputed));
  // A cut whose pick is cancelled changes nothing and leaves no step.
  ASSERT_TRUE(f.SendCommand(cmd::kCutCurve));
  EXPECT_EQ(items().first->text(), QStringLiteral("撤销 计算(&U)\tCtrl+Z"));

  const DocState computed = CaptureDocState(doc);
  ASSERT_TRUE(f.SendCommand(cmd::kSmooth));
  auto* dlg = qobject_cast<CSmoothDlg*>(app->ActiveRecord()->smoothDialog());
  ASSERT_NE(dlg, nullptr);
  dlg->smoothingPoints()->setText(QStringLiteral("5"));
  dlg->findChild<QPushButton*>(QStringLiteral("1"))->click();
  const DocState smoothed = CaptureDocState(doc);
  ASSERT_NE(FirstDifference(computed, doc), nullptr);
  EXPECT_TRUE(items().first->isEnabled());
  EXPECT_EQ(items().first->text(), QStringLiteral("撤销 光滑(&U)\tCtrl+Z"));
  EXPECT_FALSE(items().second->isEnabled());

  QAction* ctrlZ = KeyAction(f, cmd::kUndo, QKeySequence(Qt::CTRL | Qt::Key_Z));
  QAction* ctrlY = KeyAction(f, cmd::kRedo, QKeySequence(Qt::CTRL | Qt::Key_Y));
  ASSERT_TRUE(ctrlZ && ctrlY);
  ctrlZ->trigger();
  EXPECT_EQ(FirstDifference(computed, doc), nullptr);
  EXPECT_EQ(items().second->text(), QStringLiteral("重做 光滑(&R)\tCtrl+Y"));
  EXPECT_TRUE(items().second->isEnabled());
  ctrlY->trigger();
  EXPECT_EQ(FirstDifference(smoothed, doc), nullptr);
  EXPECT_FALSE(items().second->isEnabled());
  ctrlZ->trigger();
  ctrlZ->trigger();
  EXPECT_FALSE(app->ws().Has(kResultsComputed));
  EXPECT_FALSE(items().first->isEnabled());
}

TEST_F(AppTest, WhatIsTypedIntoTheActiveSetupDialogIsOneStep) {
  app->OpenTestFile(QStringLiteral(VELK_SOURCE_DIR "/samples/record/S1.DAT"));
  ASSERT_NE(app->ActiveRecord(), nullptr);
  RecordDocument& record = *app->ActiveRecord();
  CTestSetupDlg* setup = record.setupDialog();
  auto* diameter = setup->findChild<QLineEdit*>(QStringLiteral("2001"));
  ASSERT_NE(diameter, nullptr);
  const float before = app->ws().params.specimenDiameterMm;
  auto activate = [&](QEvent::Type t) {
    QEvent e(t);
    QCoreApplication::sendEvent(setup, &e);
  };
  // Looked at, nothing typed: no step.
  activate(QEvent::WindowActivate);
  activate(QEvent::WindowDeactivate);
  EXPECT_FALSE(record.history().steps().CanUndo());
  activate(QEvent::WindowActivate);
  diameter->setText(QStringLiteral("7.5"));
  diameter->setText(QStringLiteral("7.25"));
  activate(QEvent::WindowDeactivate);
  EXPECT_EQ(app->ws().params.specimenDiameterMm, 7.25f);
  EXPECT_EQ(record.history().steps().undoDepth(), 1u);
  EXPECT_EQ(record.history().steps().UndoLabel(), "参数修改");
  EXPECT_TRUE(app->mainFrame().SendCommand(cmd::kUndo));
  EXPECT_EQ(app->ws().params.specimenDiameterMm, before);
  EXPECT_EQ(record.doc().m_setup.specimenDiameterMm, before);
  // The dialog shows the restored value.
  EXPECT_EQ(diameter->text().toFloat(), before);
}

}  // namespace
}  // namespace velk
