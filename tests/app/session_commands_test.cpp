// "保存会话(&E)..." and "打开会话...": a saved session reopens as the same curves and joins the
// recent list; a session that cannot be replayed leaves the open test as it was.
#include <filesystem>

#include "app/command_ids.h"
#include "app_fixture.h"
#include "plot/view/velk_view.h"

namespace velk::testing {
namespace {

class SessionTest : public AppTest {};

TEST_F(SessionTest, ASavedSessionReopensAsTheSameCurvesAndABadOneChangesNothing) {
  const std::string samples = std::string(VELK_SOURCE_DIR) + "/samples/record/";
  for (const char* f : {"S1.DAT", "S1.PAT"}) {
    std::filesystem::copy_file(samples + f, Path(f));
  }
  app->OpenTestFile(QString::fromStdString(Path("S1.DAT")));
  ASSERT_EQ(app->records().size(), 1u);
  ui.methodAnswers = {5};
  app->mainFrame().SendCommand(cmd::kCalculate);
  CVelkDoc& doc = app->records().front()->doc();
  ASSERT_TRUE(app->ws().Has(kResultsComputed));
  const auto curves = doc.m_computed;
  const TestParameters params = app->ws().params;
  const int kind = app->records().front()->view()->model().m_curveKind;

  ui.saveAnswers = {Path("s.velks")};
  app->mainFrame().SendCommand(cmd::kSaveSession);
  const std::string good = ReadAll(Path("s.velks"));
  ASSERT_NE(good.find("\"S1.DAT\""), std::string::npos);
  EXPECT_EQ(app->RecentFiles().value(0), QString::fromStdString(Path("s.velks")));

  auto variant = [&](const std::string& from, const std::string& to) {
    std::string t = good;
    return t.replace(t.find(from), from.size(), to);
  };
  const RecordDocument* open = app->records().front().get();
  for (const std::string& bad : {good.substr(0, 300), variant("\"version\": 1", "\"version\": 2"),
                                 variant("\"S1.DAT\"", "\"gone.DAT\"")}) {
    ui.messages.clear();
    EXPECT_FALSE(app->OpenSessionFile(QString::fromStdString(Write("bad.velks", bad))));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages.front().find(Path("bad.velks")), std::string::npos);
    ASSERT_EQ(app->records().size(), 1u);
    EXPECT_EQ(app->records().front().get(), open);
    EXPECT_EQ(doc.m_computed, curves);
    EXPECT_EQ(app->ws().params.specimenDiameterMm, params.specimenDiameterMm);
    EXPECT_TRUE(app->ws().Has(kResultsComputed));
  }

  ui.messages.clear();
  ui.openAnswers = {Path("s.velks")};
  app->mainFrame().SendCommand(cmd::kOpenSession);
  EXPECT_TRUE(ui.messages.empty());
  ASSERT_EQ(app->records().size(), 1u);
  RecordDocument& reopened = *app->records().front();
  EXPECT_EQ(reopened.doc().m_computed, curves);
  EXPECT_EQ(reopened.view()->model().m_curveKind, kind);
  EXPECT_EQ(app->ws().params.barWaveSpeedMs, params.barWaveSpeedMs);
}

}  // namespace
}  // namespace velk::testing
