#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QToolButton>

#include "app/child_frame.h"
#include "app/command_ids.h"
#include "app_fixture.h"
#include "plot/core/view_model.h"

namespace velk::testing {
namespace {

// Fills the open-waveform dialog: browse when a path is given (the scripted prompt answers it),
// type the start points, press 确认.
struct WaveDialogInput {
  std::optional<std::string> incident, transmitted;
  QString incStart = QStringLiteral("0"), trStart = QStringLiteral("0");
  bool ok = true;
};

class OpenTest : public AppTest {
 protected:
  QString OpenWaves(int id, const WaveDialogInput& in) {
    return RunWithDialog(id, [&](QDialog& dlg) {
      if (in.incident) {
        ui.openAnswers.push_back(*in.incident);
        dlg.findChild<QToolButton*>(QStringLiteral("1054"))->click();
      }
      if (in.transmitted) {
        ui.openAnswers.push_back(*in.transmitted);
        dlg.findChild<QToolButton*>(QStringLiteral("1055"))->click();
      }
      dlg.findChild<QLineEdit*>(QStringLiteral("1049"))->setText(in.incStart);
      dlg.findChild<QLineEdit*>(QStringLiteral("1052"))->setText(in.trStart);
      dlg.findChild<QPushButton*>(in.ok ? QStringLiteral("1") : QStringLiteral("2"))->click();
    });
  }
};

TEST_F(OpenTest, TektronixPairOpensOneTestWithItsFlagsAndStartPoints) {
  const std::string inc = Write("ch1.txt", TekText(500, Ramp(500, 0.5, 0.001)));
  const std::string tr = Write("ch2.txt", TekText(500, Ramp(500, -0.25, 0.001)));
  OpenWaves(cmd::kOpenTektronix, {inc, tr, QStringLiteral("100"), QStringLiteral(" 100 ")});
  EXPECT_EQ(ui.prompts, (std::vector<std::string>{"打开", "打开"}));
  ASSERT_EQ(app->records().size(), 1u);
  RecordDocument* first = app->records().front().get();
  EXPECT_EQ(app->ws().flags, kWavesLoaded | kTektronixSource);
  EXPECT_EQ(app->ws().waveOpen.incidentStart, 100);
  EXPECT_EQ(app->ws().waveOpen.transmittedStart, 100);
  // 100 samples dropped from each file.
  EXPECT_EQ(first->doc().pointCount(), 400);
  EXPECT_NEAR(first->doc().m_rawInc[0], 0.5 + 100 * 0.001, 1e-6);
  EXPECT_EQ(app->ws().openedRecordPath, "");

  // Again: OK without browsing opens the same two files, and the old
  // record goes with its windows before the new one is built.
  QPointer<CChildFrame> oldFrame = first->frame();
  OpenWaves(cmd::kOpenTektronix, {std::nullopt, std::nullopt});
  ASSERT_EQ(app->records().size(), 1u);
  EXPECT_FALSE(oldFrame);
  EXPECT_EQ(app->records().front()->doc().pointCount(), 500);

  // A CS20000 pair sets its own flag.
  OpenWaves(cmd::kOpenCs20000, {Write("a.cs", CsText(Ramp(300, 1.0, 0.0))),
                                Write("b.cs", CsText(Ramp(300, 2.0, 0.0)))});
  EXPECT_EQ(app->ws().flags, kWavesLoaded | kCs20000Source);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(OpenTest, EachWayOfStoppingKeepsTheOpenTest) {
  const std::string rec = Write("S1.DAT", RecordFile(300, 5, -5));
  app->OpenTestFile(QString::fromStdString(rec));
  ASSERT_EQ(app->records().size(), 1u);
  RecordDocument* open = app->records().front().get();
  app->ws().Set(kResultsComputed);
  const std::uint32_t flags = app->ws().flags;

  // Cancel.
  OpenWaves(cmd::kOpenTektronix, {std::nullopt, std::nullopt, "0", "0", false});
  // A file never chosen.
  OpenWaves(cmd::kOpenTektronix, {std::nullopt, std::nullopt});
  EXPECT_TRUE(ui.messages.empty());
  ASSERT_EQ(app->records().size(), 1u);
  EXPECT_EQ(app->records().front().get(), open);
  EXPECT_EQ(app->ws().flags, flags);

  // A file that cannot be read.
  const std::string tr = Write("tr.txt", TekText(300, Ramp(300, 0.1, 0.001)));
  OpenWaves(cmd::kOpenTektronix, {Path("missing.txt"), tr});
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Open file " + Path("missing.txt") + " fault!"});
  EXPECT_EQ(app->records().front().get(), open);
  EXPECT_EQ(app->ws().flags, flags);

  // Start points that are no count: the dialog says so and stays open.
  ui.messages.clear();
  const std::string inc = Write("inc.txt", TekText(300, Ramp(300, 0.1, 0.001)));
  OpenWaves(cmd::kOpenTektronix, {inc, tr, QStringLiteral("1.5")});
  OpenWaves(cmd::kOpenTektronix, {inc, tr, QStringLiteral("0"), QStringLiteral("-3")});
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"请键入一个整数。", "开始点不能为负数。"}));
  EXPECT_EQ(app->records().front().get(), open);
  EXPECT_EQ(app->ws().flags, flags);
}

TEST_F(OpenTest, OpenCommandLoadsTheParameterFileBesideTheRecordFile) {
  // A name that differs from the derived one only in case is found.
  const std::string rec = Write("A1.DAT", RecordFile(300, 100, -100));
  Write("a1.PAT",
        "5065.000000 71420.000000 201.061926 400.000000 400.000000 8.000000 500.000000 "
        "2.100000 1.000000 8.000000 500.000000 2.100000 1.000000 \n"
        "10.000000 5.000000 0.000000 0.000000 0.100000 3.000000 0.000000 \n"
        "1 2 3 4 5 6 \n");
  EXPECT_TRUE(app->mainFrame().SendCommand(cmd::kOpenRecord));  // cancelled
  EXPECT_TRUE(app->records().empty());
  ui.openAnswers.push_back(rec);
  app->mainFrame().SendCommand(cmd::kOpenRecord);
  ASSERT_EQ(app->records().size(), 1u);
  EXPECT_EQ(app->ws().flags, kWavesLoaded | kRecordFileSource | kParamFileFound | kBridgeParams);
  EXPECT_EQ(app->ws().openedRecordPath, rec);
  EXPECT_TRUE(app->paraDocs().empty());
  RecordDocument& r = *app->records().front();
  // Loaded after the record was built, so the record's defaults did not overwrite them, and
  // copied into the setup fields.
  EXPECT_FLOAT_EQ(app->ws().params.specimenDiameterMm, 10.0f);
  EXPECT_FLOAT_EQ(r.doc().m_setup.specimenDiameterMm, 10.0f);
  EXPECT_DOUBLE_EQ(r.doc().m_incBaseMean, 100.0);
}

// Drops the files on the main frame as a file manager would.
void Drop(CMainFrame& frame, const std::vector<std::string>& paths) {
  QMimeData mime;
  QList<QUrl> urls;
  for (const std::string& p : paths) urls << QUrl::fromLocalFile(QString::fromStdString(p));
  mime.setUrls(urls);
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&frame, &enter);
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&frame, &drop);
  ASSERT_TRUE(drop.isAccepted());
}

TEST_F(OpenTest, CommandLineAndDroppedFilesOpenAsTheOpenCommandDoes) {
  const std::string rec = Write("C3.DAT", RecordFile(300, 1, 1));
  Write("c3.PAT", "5122.0 198646.0 5026.548160\n20.0 4.0\n");
  app->ws().flags = kHandPickedParams;
  ASSERT_TRUE(app->InitInstance({QString::fromStdString(rec)}));
  ASSERT_EQ(app->records().size(), 1u);
  // Flags reset, the parameter file beside the record loaded into the setup, the raw waves shown.
  EXPECT_EQ(app->ws().flags, kWavesLoaded | kRecordFileSource | kParamFileFound | kBridgeParams);
  EXPECT_FLOAT_EQ(app->ws().params.specimenDiameterMm, 20.0f);
  EXPECT_FLOAT_EQ(app->records().front()->doc().m_setup.specimenDiameterMm, 20.0f);
  EXPECT_EQ(app->ws().openedRecordPath, rec);
  EXPECT_TRUE(app->paraDocs().empty());
  ASSERT_NE(app->records().front()->view(), nullptr);
  EXPECT_EQ(app->records().front()->view()->model().m_curveKind, kOriginalWave);

  // A dropped record replaces the open test with its own parameters; a dropped parameter file
  // still opens as a parameter document.
  const std::string other = Write("D4.DAT", RecordFile(300, 1, 1));
  Write("D4.PAT", "5122.0 198646.0 5026.548160\n12.5 4.0\n");
  const std::string pat = Write("loose.pat", "5122.0 198646.0 5026.548160\n9.0 4.0\n");
  Drop(app->mainFrame(), {other});
  ASSERT_EQ(app->records().size(), 1u);
  EXPECT_EQ(app->ws().openedRecordPath, other);
  EXPECT_FLOAT_EQ(app->records().front()->doc().m_setup.specimenDiameterMm, 12.5f);
  Drop(app->mainFrame(), {pat});
  EXPECT_EQ(app->paraDocs().size(), 1u);
  EXPECT_EQ(app->records().size(), 1u);
  EXPECT_TRUE(ui.messages.empty());

  // A record without a parameter file beside it opens with the defaults, as by the command.
  const std::string bare = Write("E6.DAT", RecordFile(300, 1, 1));
  Drop(app->mainFrame(), {bare});
  EXPECT_EQ(app->ws().flags, kWavesLoaded | kRecordFileSource);
  EXPECT_FLOAT_EQ(app->ws().params.specimenDiameterMm, 8.0f);

  // A file that cannot be read fails start-up.
  CVelkApp second(&ui);
  EXPECT_FALSE(second.InitInstance({QString::fromStdString(Path("nothing.DAT"))}));
  EXPECT_TRUE(second.records().empty());
}

TEST_F(OpenTest, ParameterFileCommandNeedsATestAndSetsItsFlags) {
  const std::string pat = Write("hand.pat",
                                "5122.000000 198646.000000 5026.548160 1 1 1 1 1 1 1 1 1 1 \n"
                                "12.000000 6.000000 0 0 0.200000 3.0 0 \n0 0 0 0 0 0 \n");
  const std::string rec = Write("E5.DAT", RecordFile(300, 1, 1));
  Write("e5.PAT", "5122.0 198646.0 5026.548160\n");
  app->OpenTestFile(QString::fromStdString(rec));
  ASSERT_TRUE(app->ws().Has(kParamFileFound));

  // Cancelled prompt: nothing changes.
  app->mainFrame().SendCommand(cmd::kOpenParameterFile);
  EXPECT_TRUE(app->ws().Has(kParamFileFound));
  EXPECT_FALSE(app->ws().Has(kHandPickedParams));

  ui.openAnswers.push_back(pat);
  app->mainFrame().SendCommand(cmd::kOpenParameterFile);
  EXPECT_FALSE(app->ws().Has(kParamFileFound));
  EXPECT_EQ(app->ws().flags & (kHandPickedParams | kBridgeParams),
            kHandPickedParams | kBridgeParams);
  EXPECT_FLOAT_EQ(app->records().front()->doc().m_setup.specimenDiameterMm, 12.0f);
  EXPECT_TRUE(app->paraDocs().empty());
}

}  // namespace
}  // namespace velk::testing
