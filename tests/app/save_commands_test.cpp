#include "app/command_ids.h"
#include "app_fixture.h"

namespace velk::testing {
namespace {

class SaveTest : public AppTest {
 protected:
  // Gives the open record three result rows, as a computation would.
  void FakeResults() {
    CVelkDoc& d = app->records().front()->doc();
    d.m_lastResultIndex = 2;
    for (int c = 0; c < kResultCurveCount; ++c) {
      d.m_computed[c] = {c + 0.1, c + 0.2, c + 0.3};
      d.m_smoothed[c] = {c + 1.5, c + 2.5, -0.000001};
    }
    app->ws().Set(kResultsComputed);
  }
  int Send(int id) { return app->mainFrame().SendCommand(id) ? 1 : 0; }
};

TEST_F(SaveTest, ParameterFileIsReplacedBesideTheRecordOrNamedByTheOperator) {
  const std::string rec = Write("A1.DAT", RecordFile(300, 1, 1));
  const std::string pat = Write("a1.PAT", "5122.0 198646.0 5026.548160\n");
  app->OpenTestFile(QString::fromStdString(rec));
  ASSERT_TRUE(app->ws().Has(kParamFileFound));
  Send(cmd::kSaveParameterFile);
  EXPECT_TRUE(ui.prompts.empty());
  EXPECT_NE(ReadAll(pat), "5122.0 198646.0 5026.548160\n");

  // A record without one: the operator names it.
  app->OpenTestFile(QString::fromStdString(Write("B1.DAT", RecordFile(300, 1, 1))));
  Send(cmd::kSaveParameterFile);  // cancelled
  EXPECT_EQ(ui.prompts, std::vector<std::string>{"保存为"});
  EXPECT_EQ(ReadAll(Path("b1.PAT")), "<missing>");
  ui.saveAnswers.push_back(Path("chosen"));
  Send(cmd::kSaveParameterFile);
  // The default extension is added to a name typed without one.
  EXPECT_NE(ReadAll(Path("chosen.pat")), "<missing>");
  EXPECT_TRUE(app->paraDocs().empty());
}

TEST_F(SaveTest, QuickSavesWriteParametersThenResultsBesideTheRecord) {
  const std::string rec = Write("T7.DAT", RecordFile(300, 1, 1));
  const std::string pat = Write("t7.PAT", "5122.0 198646.0 5026.548160\n");
  app->OpenTestFile(QString::fromStdString(rec));

  // Without results only the parameter file is written.
  Send(cmd::kSaveEngineering);
  EXPECT_EQ(app->ws().resultKind, 3);
  EXPECT_EQ(ReadAll(Path("t7.DT3")), "<missing>");
  EXPECT_NE(ReadAll(pat), "5122.0 198646.0 5026.548160\n");

  FakeResults();
  Send(cmd::kSaveEngineering);
  EXPECT_EQ(ReadAll(Path("t7.DT3")),
            "2.50000 1.50000 3.50000\n3.50000 2.50000 4.50000\n-0.00000 -0.00000 -0.00000\n");
  Send(cmd::kSaveTrue);
  EXPECT_EQ(app->ws().resultKind, 4);
  EXPECT_EQ(ReadAll(Path("t7.DT4")),
            "5.50000 4.50000 6.50000\n6.50000 5.50000 7.50000\n-0.00000 -0.00000 -0.00000\n");
  Send(cmd::kSave);
  EXPECT_EQ(app->ws().resultKind, 2);
  EXPECT_EQ(ReadAll(Path("t7.DT2")), "2.50000 1.50000\n3.50000 2.50000\n-0.00000 -0.00000\n");
  EXPECT_TRUE(ui.prompts.empty());

  // Save As keeps the kind of the last save and asks for the name.
  ui.saveAnswers.push_back(Path("out"));
  Send(cmd::kSaveAs);
  EXPECT_EQ(ui.prompts, std::vector<std::string>{"保存为"});
  EXPECT_EQ(app->ws().resultKind, 2);
  EXPECT_EQ(ReadAll(Path("out.DT2")), ReadAll(Path("t7.DT2")));
}

TEST_F(SaveTest, WaveformTestsAlwaysGoThroughTheSavePrompt) {
  const std::string inc = Write("i.cs", CsText(Ramp(300, 1.0, 0.0)));
  const std::string tr = Write("t.cs", CsText(Ramp(300, 2.0, 0.0)));
  app->ws().waveOpen.incidentPath = inc;
  app->ws().waveOpen.transmittedPath = tr;
  RunWithDialog(cmd::kOpenCs20000, [](QDialog& d) { d.accept(); });
  ASSERT_EQ(app->records().size(), 1u);
  FakeResults();
  // Parameter prompt first (cancelled: the result save goes on), then the result prompt.
  ui.saveAnswers.push_back(std::nullopt);
  ui.saveAnswers.push_back(Path("cs_result"));
  Send(cmd::kSaveEngineering);
  EXPECT_EQ(ui.prompts, (std::vector<std::string>{"保存为", "保存为"}));
  EXPECT_EQ(ReadAll(Path("cs_result.DT3")),
            "2.50000 1.50000 3.50000\n3.50000 2.50000 4.50000\n-0.00000 -0.00000 -0.00000\n");
  EXPECT_EQ(ReadAll(Path("cs_result.pat")), "<missing>");

  // Results cancelled at the prompt: nothing written.
  ui.prompts.clear();
  ui.saveAnswers.push_back(Path("p"));
  Send(cmd::kSaveTrue);
  EXPECT_EQ(ui.prompts, (std::vector<std::string>{"保存为", "保存为"}));
  EXPECT_NE(ReadAll(Path("p.pat")), "<missing>");
  EXPECT_EQ(ReadAll(Path("p.DT4")), "<missing>");
}

TEST_F(SaveTest, ARecordOpenedWithoutTheOpenCommandAsksWhereToSaveResults) {
  // Such a record never set the opened-record path: there is no name to derive from it, and a
  // quick save must not write ".DT3" into whatever folder the program runs in.
  const std::string rec = Write("G1.DAT", RecordFile(300, 1, 1));
  ASSERT_TRUE(app->OpenDocumentFile(QString::fromStdString(rec)));
  FakeResults();
  ui.saveAnswers.push_back(std::nullopt);
  ui.saveAnswers.push_back(Path("g1_result"));
  Send(cmd::kSaveEngineering);
  EXPECT_EQ(ui.prompts, (std::vector<std::string>{"保存为", "保存为"}));
  EXPECT_NE(ReadAll(Path("g1_result.DT3")), "<missing>");
  EXPECT_EQ(ReadAll(".DT3"), "<missing>");
}

}  // namespace
}  // namespace velk::testing
