#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>
#include <set>

#include "app/child_frame.h"
#include "app/command_ids.h"
#include "app/command_table.h"
#include "app_fixture.h"
#include "dialogs/curve_select_dlg.h"
#include "dialogs/test_setup_dlg.h"

namespace velk::testing {
namespace {

// "title: item | item | - | ..." for each visible top-level menu.
std::vector<std::string> MenuText(CMainFrame& frame) {
  std::vector<std::string> out;
  for (QMenu* m : frame.visibleMenus()) {
    std::string line = m->title().toStdString() + ":";
    for (QAction* a : m->actions()) {
      if (!a->isVisible()) continue;
      line += " " + (a->isSeparator() ? std::string("-") : a->text().toStdString()) + " |";
    }
    out.push_back(line);
  }
  return out;
}

bool Enabled(CMainFrame& frame, int id) {
  frame.UpdateCommandUI();
  const QList<QAction*> actions = frame.actionsFor(id);
  EXPECT_FALSE(actions.isEmpty()) << id;
  return !actions.isEmpty() && actions.first()->isEnabled();
}

bool Checked(CMainFrame& frame, int id) {
  frame.UpdateCommandUI();
  QAction* a = frame.toolBarAction(id);
  if (!a) a = frame.actionsFor(id).value(0);
  return a && a->isChecked();
}

TEST_F(AppTest, StartsEmptyWithMenu128AndNewDoesNothing) {
  ASSERT_TRUE(app->InitInstance({}));
  CMainFrame& f = app->mainFrame();
  EXPECT_EQ(f.currentMenuId(), 128);
  EXPECT_TRUE(f.mdiArea().subWindowList().isEmpty());
  EXPECT_EQ(MenuText(f),
            (std::vector<std::string>{
                "文件(&F): 打开示波器文件(&T)... | - | - | recent file | - | 推出(&X) |",
                "查看(&V): 工具栏(&T) | 状态栏(&S) |", "状态栏: 关于Velk(&A)... |"}));
  EXPECT_TRUE(f.SendCommand(cmd::kNew));
  EXPECT_TRUE(app->records().empty());
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(ui.prompts.empty());
  // Nothing of a test record is offered without one; the placeholder entry is greyed.
  for (int id : {cmd::kSaveEngineering, cmd::kShowSetupDialog, cmd::kAverageStrainRate,
                 cmd::kCutCurve, cmd::kStraightenCurve, cmd::kRecentFirst}) {
    EXPECT_FALSE(Enabled(f, id)) << id;
  }
  EXPECT_TRUE(Enabled(f, cmd::kOpenTektronix));
  EXPECT_TRUE(Enabled(f, cmd::kAbout));
  // Ctrl+Q works without a test, and tells the operator what is missing.
  EXPECT_TRUE(f.SendCommand(cmd::kOpenParameterFile));
  EXPECT_EQ(ui.messages, std::vector<std::string>{"请先打开 *.DAT 文件。"});
}

TEST_F(AppTest, MenusSwitchWithTheActiveDocument) {
  const std::string rec = Write("S1.DAT", RecordFile(300, 10, -10));
  ASSERT_TRUE(app->OpenDocumentFile(QString::fromStdString(rec)));
  CMainFrame& f = app->mainFrame();
  EXPECT_EQ(f.currentMenuId(), 129);
  EXPECT_EQ(
      MenuText(f),
      (std::vector<std::string>{
          "文件(&F): 打开Tek文件(&T)... | 保存工程曲线(.DT3) | 保存真实曲线(.DT4) | "
          "Export plot... | "
          "打开参数文件... | 保存参数文件(&R)... | 关闭(&C) | - | - | 最近文件 | - | 退出(&X) |",
          "查看(&V): 工具栏(&T) | 状态栏(&S) | 压杆(&P) | 图像(&G) |",
          "参数(&O): 结果计算(&C)... | 桥/应变仪/应变片参数(&P)... | 图像(&G)... | "
          "recapitulation(&E)... |",
          "窗口(&W): cascade(&C) | tile(&T) | arrang icon(&A) |", "帮助(&H): 关于 Velk(&A)... |"}));

  // A parameter document in front shows menu 128 again.
  const std::string pat = Write("p.pat", "5122.0 198646.0 5026.548160\n");
  ASSERT_TRUE(app->OpenDocumentFile(QString::fromStdString(pat)));
  EXPECT_EQ(f.currentMenuId(), 128);
  // The record's frame in front again: menu 129.
  f.mdiArea().setActiveSubWindow(app->records().front()->frame());
  EXPECT_EQ(f.currentMenuId(), 129);

  // Closing the record (File > Close) leaves menu 128.
  f.mdiArea().setActiveSubWindow(app->records().front()->frame());
  EXPECT_TRUE(f.SendCommand(cmd::kClose));
  EXPECT_TRUE(app->records().empty());
  EXPECT_EQ(f.currentMenuId(), 128);
}

TEST_F(AppTest, ToolbarOrderSizesPromptsAndRules) {
  CMainFrame& f = app->mainFrame();
  std::vector<int> ids;
  for (QAction* a : f.toolBar().actions()) ids.push_back(a->isSeparator() ? 0 : a->data().toInt());
  EXPECT_EQ(ids, (std::vector<int>{32818, 32819, 32828, 32820, 0,     32801, 32809, 0,
                                   32807, 32806, 0,     32822, 0,     32786, 32815, 32821,
                                   32804, 32824, 57664, 32834, 32835, 32836}));
  for (QAction* a : f.toolBar().actions()) {
    if (a->isSeparator()) continue;
    EXPECT_EQ(f.toolBar().widgetForAction(a)->size(), QSize(60, 34)) << a->data().toInt();
    EXPECT_FALSE(a->icon().isNull()) << a->data().toInt();
  }
  QAction* smooth = f.toolBarAction(cmd::kSmooth);
  EXPECT_EQ(smooth->statusTip(), QStringLiteral("光滑曲线"));
  EXPECT_EQ(smooth->toolTip(), QStringLiteral(" 光滑"));
  EXPECT_EQ(f.toolBarAction(cmd::kShowSetupDialog)->toolTip(), QStringLiteral("主对话框"));
  EXPECT_EQ(f.toolBarAction(cmd::kCalculate)->statusTip(),
            QStringLiteral("将原始波形按基线重新排列"));

  const std::string rec = Write("S1.DAT", RecordFile(300, 10, -10));
  ASSERT_TRUE(app->OpenDocumentFile(QString::fromStdString(rec)));
  RecordDocument& r = *app->records().front();
  for (int id : {cmd::kUnused1, cmd::kUnused2, cmd::kUnused3}) EXPECT_FALSE(Enabled(f, id));
  // The curve tools wait for results; recompute waits for the processed waves.
  for (int id : {cmd::kAverageStrainRate, cmd::kCutCurve, cmd::kStraightenCurve, cmd::kRecompute})
    EXPECT_FALSE(Enabled(f, id)) << id;
  EXPECT_TRUE(Enabled(f, cmd::kSaveEngineering));
  EXPECT_TRUE(Enabled(f, cmd::kShowSetupDialog));

  // Show and hide the setup dialog and the chooser; the check marks follow.
  EXPECT_FALSE(Checked(f, cmd::kShowSetupDialog));
  f.SendCommand(cmd::kShowSetupDialog);
  EXPECT_TRUE(r.setupDialog()->isVisible());
  EXPECT_TRUE(Checked(f, cmd::kShowSetupDialog));
  f.SendCommand(cmd::kShowSetupDialog);
  EXPECT_FALSE(r.setupDialog()->isVisible());
  EXPECT_FALSE(Checked(f, cmd::kShowSetupDialog));
  f.SendCommand(cmd::kShowCurveChooser);
  EXPECT_TRUE(r.curveChooser()->isVisible());
  EXPECT_TRUE(Checked(f, cmd::kShowCurveChooser));
  // Neither is a child of the main frame.
  EXPECT_EQ(r.setupDialog()->parentWidget(), nullptr);
  EXPECT_EQ(r.curveChooser()->parentWidget(), nullptr);

  // Toolbar and status bar toggles.
  EXPECT_TRUE(Checked(f, cmd::kViewToolbar));
  f.SendCommand(cmd::kViewToolbar);
  EXPECT_FALSE(Checked(f, cmd::kViewToolbar));
  f.SendCommand(cmd::kViewToolbar);
  EXPECT_TRUE(Checked(f, cmd::kViewToolbar));

  // A command with no handler yet stays disabled even when its rule would allow it.
  app->ws().Set(kResultsComputed);
  EXPECT_EQ(FindCommand(cmd::kCutCurve)->handler == nullptr, !Enabled(f, cmd::kCutCurve));
  EXPECT_FALSE(f.SendCommand(cmd::kUnused2));
}

TEST(CommandTable, EveryOfferedCommandHasOneEntry) {
  std::set<int> seen;
  for (const CommandEntry& e : CommandTable()) {
    EXPECT_TRUE(seen.insert(e.id).second) << "duplicate " << e.id;
    if (e.owner == CommandOwner::None) {
      EXPECT_EQ(e.handler, nullptr);
    }
  }
  for (int id :
       {57600, 57601, 57602, 57603, 57604, 57606, 57607, 57608, 57609, 57616, 57617, 57618, 57619,
        57634, 57635, 57637, 57643, 57649, 57650, 57651, 57664, 57665, 57680, 57681, 59392, 59393,
        32786, 32787, 32788, 32801, 32804, 32805, 32806, 32807, 32809, 32815, 32818, 32819, 32820,
        32821, 32822, 32823, 32824, 32825, 32826, 32827, 32828, 32829, 32834, 32835, 32836})
    EXPECT_NE(FindCommand(id), nullptr) << id;
}

TEST_F(AppTest, StatusBarPanesAndCoordinateText) {
  CMainFrame& f = app->mainFrame();
  QStringList texts;
  for (QLabel* l : f.statusBar()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
    texts << l->text();
  EXPECT_EQ(texts, (QStringList{"woring", "coordinate", "大写", "value", "滚动"}));
  f.SetCoordinateText(QStringLiteral("X=1.000000 Y=2.000000  "));
  EXPECT_EQ(f.coordinateText(), QStringLiteral("X=1.000000 Y=2.000000  "));
  f.SetCoordinateText(QString());
  EXPECT_EQ(f.coordinateText(), QStringLiteral("coordinate"));

  // A fly-by prompt shows in the message pane; without one the pane says "woring" again.
  QStatusTipEvent tip(QStringLiteral("光滑曲线"));
  QApplication::sendEvent(&f, &tip);
  EXPECT_EQ(f.messageText(), QStringLiteral("光滑曲线"));
  QStatusTipEvent none{QString()};
  QApplication::sendEvent(&f, &none);
  EXPECT_EQ(f.messageText(), QStringLiteral("woring"));
}

TEST_F(AppTest, RecentFileEntriesComeFromTheSettings) {
  const std::string a = Write("A.DAT", RecordFile(300, 1, 2));
  const std::string gone = Path("gone.DAT");
  SetRecentFiles({QString::fromStdString(gone), QString::fromStdString(a)});
  CMainFrame& f = app->mainFrame();
  QMenu* file = f.visibleMenus().first();
  emit file->aboutToShow();
  QStringList entries;
  for (QAction* a2 : f.actionsFor(cmd::kRecentFirst) + f.actionsFor(cmd::kRecentFirst + 1)) {
    if (a2->parent() == file && a2->isVisible()) entries << a2->text();
  }
  EXPECT_EQ(entries, (QStringList{QStringLiteral("&1 ") + QString::fromStdString(gone),
                                  QStringLiteral("&2 ") + QString::fromStdString(a)}));
  EXPECT_TRUE(Enabled(f, cmd::kRecentFirst + 1));
  EXPECT_FALSE(Enabled(f, cmd::kRecentFirst + 2));

  // A vanished file leaves the list and is reported; the next entry is not opened instead.
  f.SendCommand(cmd::kRecentFirst);
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Open file " + gone + " fault!"});
  EXPECT_TRUE(app->records().empty());
  EXPECT_EQ(app->RecentFiles(), QStringList{QString::fromStdString(a)});

  // The remaining entry opens as a test file, and opening never adds to the list.
  f.SendCommand(cmd::kRecentFirst);
  ASSERT_EQ(app->records().size(), 1u);
  EXPECT_EQ(app->ws().openedRecordPath, a);
  EXPECT_EQ(app->ws().flags, kWavesLoaded | kRecordFileSource);
  EXPECT_EQ(app->RecentFiles(), QStringList{QString::fromStdString(a)});
}

TEST_F(AppTest, ChildFrameIsMaximizedAndClosingItDestroysTheRecord) {
  const std::string rec = Write("S1.DAT", RecordFile(300, 10, -10));
  ASSERT_TRUE(app->OpenDocumentFile(QString::fromStdString(rec)));
  RecordDocument* r = app->records().front().get();
  QPointer<CChildFrame> frame = r->frame();
  QPointer<CTestSetupDlg> setup = r->setupDialog();
  QPointer<CCurveSelectDlg> chooser = r->curveChooser();
  ASSERT_TRUE(frame);
  EXPECT_TRUE(frame->isMaximized());
  // The caption follows the view, not the file name.
  emit r->view()->captionChanged(QStringLiteral("original wave"));
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("original wave"));
  // The main frame names the document, as the frame's caption no longer does.
  app->mainFrame().UpdateCommandUI();
  EXPECT_EQ(app->mainFrame().windowTitle(), QStringLiteral("Velk - S1.DAT"));
  EXPECT_FALSE(setup->isVisible());
  EXPECT_FALSE(chooser->isVisible());

  frame->close();
  QApplication::processEvents();
  EXPECT_TRUE(app->records().empty());
  EXPECT_FALSE(frame);
  EXPECT_FALSE(setup);
  EXPECT_FALSE(chooser);
}

}  // namespace
}  // namespace velk::testing
