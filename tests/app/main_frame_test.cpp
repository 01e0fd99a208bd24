#include <QAction>
#include <QMenu>
#include <set>

#include "app/command_ids.h"
#include "app/command_table.h"
#include "app_fixture.h"

namespace velk::testing {
namespace {

bool Enabled(CMainFrame& frame, int id) {
  frame.UpdateCommandUI();
  const QList<QAction*> actions = frame.actionsFor(id);
  EXPECT_FALSE(actions.isEmpty()) << id;
  return !actions.isEmpty() && actions.first()->isEnabled();
}

TEST_F(AppTest, MenusAndCommandsFollowTheActiveDocument) {
  ASSERT_TRUE(app->InitInstance({}));
  CMainFrame& f = app->mainFrame();
  EXPECT_EQ(f.currentMenuId(), 128);
  // Nothing of a test record is offered without one; the placeholder entry is greyed.
  for (int id : {cmd::kSaveEngineering, cmd::kShowSetupDialog, cmd::kCutCurve, cmd::kRecentFirst})
    EXPECT_FALSE(Enabled(f, id)) << id;
  // Ctrl+Q works without a test, and tells the operator what is missing.
  EXPECT_TRUE(f.SendCommand(cmd::kOpenParameterFile));
  EXPECT_EQ(ui.messages, std::vector<std::string>{"请先打开 *.DAT 文件。"});

  const std::string rec = Write("S1.DAT", RecordFile(300, 10, -10));
  ASSERT_TRUE(app->OpenDocumentFile(QString::fromStdString(rec)));
  EXPECT_EQ(f.currentMenuId(), 129);
  // The curve tools wait for results; recompute waits for the processed waves; a command with
  // no handler stays disabled even when its rule would allow it.
  for (int id : {cmd::kAverageStrainRate, cmd::kStraightenCurve, cmd::kRecompute, cmd::kUnused2})
    EXPECT_FALSE(Enabled(f, id)) << id;
  EXPECT_TRUE(Enabled(f, cmd::kSaveEngineering));
  app->ws().Set(kResultsComputed);
  EXPECT_EQ(FindCommand(cmd::kCutCurve)->handler == nullptr, !Enabled(f, cmd::kCutCurve));
  EXPECT_FALSE(f.SendCommand(cmd::kUnused2));

  EXPECT_TRUE(f.SendCommand(cmd::kClose));
  EXPECT_TRUE(app->records().empty());
  EXPECT_EQ(f.currentMenuId(), 128);
}

TEST(CommandTable, EveryCommandHasOneEntry) {
  std::set<int> seen;
  for (const CommandEntry& e : CommandTable()) {
    EXPECT_TRUE(seen.insert(e.id).second) << "duplicate " << e.id;
  }
}

TEST_F(AppTest, RecentFileEntriesComeFromTheSettings) {
  const std::string a = Write("A.DAT", RecordFile(300, 1, 2));
  const std::string gone = Path("gone.DAT");
  SetRecentFiles({QString::fromStdString(gone), QString::fromStdString(a)});
  CMainFrame& f = app->mainFrame();
  emit f.visibleMenus().first()->aboutToShow();
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

}  // namespace
}  // namespace velk::testing
