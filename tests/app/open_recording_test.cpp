#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

#include "app/command_ids.h"
#include "app/open_recording_dlg.h"
#include "app_fixture.h"

namespace velk::testing {
namespace {

// A real Tektronix ISF capture: 10000 points at 400 ns, first samples -0.02, 0.02, -0.04 V.
const std::string kIsf = std::string(VELK_TEST_DATA) + "/realscope/tek_mdo_ch1.isf";

// The answer that picks channel 0 of file 0 as incident and channel 0 of the last file as
// transmitted, with the given start points.
std::function<bool(RecordingOpenFields&)> Answer(std::vector<std::string> paths, int incStart = 0,
                                                 int trStart = 0) {
  return [=](RecordingOpenFields& f) {
    f.paths = paths;
    f.incident = {0, 0};
    f.transmitted = {static_cast<int>(paths.size()) - 1, 0};
    f.incidentStart = incStart;
    f.transmittedStart = trStart;
    return true;
  };
}

class OpenRecordingTest : public AppTest {
 protected:
  // The same capture with another sample interval, as a second scope would have it.
  std::string OtherClock() {
    std::string bytes = ReadBytes(kIsf);
    const auto at = bytes.find("XINCR 400.0000E-9");
    bytes.replace(at, 17, "XINCR 400.0100E-9");
    return Write("other.isf", bytes);
  }
};

TEST_F(OpenRecordingTest, OpensVoltsAndTheFilesClockAndRefusesWhatIsNotOneTest) {
  // Cancel: nothing happens.
  app->mainFrame().SendCommand(cmd::kOpenRecordingFile);
  EXPECT_EQ(ui.prompts, std::vector<std::string>{"打开记录文件"});
  EXPECT_TRUE(app->records().empty());

  ui.recordingAnswers.push_back(Answer({kIsf}, 2, 0));
  app->mainFrame().SendCommand(cmd::kOpenRecordingFile);
  ASSERT_EQ(app->records().size(), 1u);
  EXPECT_TRUE(ui.messages.empty());
  RecordDocument* first = app->records().front().get();
  const CVelkDoc& doc = first->doc();
  EXPECT_EQ(app->ws().flags, kWavesLoaded | kTektronixSource);
  // Both channels cut to the shorter after the start points.
  EXPECT_EQ(doc.pointCount(), 9998);
  EXPECT_NEAR(doc.m_rawInc[0], -0.04, 1e-9);
  EXPECT_NEAR(doc.m_rawTr[0], -0.02, 1e-9);
  EXPECT_DOUBLE_EQ(app->ws().params.sampleIntervalUs, 0.4);
  EXPECT_FLOAT_EQ(app->ws().params.samplingMhz, 2.5f);
  EXPECT_FLOAT_EQ(doc.m_setup.samplingMhz, 2.5f);

  // Clocks that disagree, a start point beyond the channel, a file that is no recording: a
  // message each, and the open test stays as it was.
  const std::uint32_t flags = app->ws().flags;
  const std::string other = OtherClock();
  const std::string text = Write("notes.txt", "nothing to read here\n");
  ui.recordingAnswers.push_back(Answer({kIsf, other}));
  ui.recordingAnswers.push_back(Answer({kIsf}, 10000, 0));
  ui.recordingAnswers.push_back(Answer({text}));
  for (int k = 0; k < 3; ++k) app->mainFrame().SendCommand(cmd::kOpenRecordingFile);
  ASSERT_EQ(ui.messages.size(), 3u);
  EXPECT_NE(ui.messages[0].find(kIsf), std::string::npos) << ui.messages[0];
  EXPECT_NE(ui.messages[0].find(other), std::string::npos) << ui.messages[0];
  EXPECT_NE(ui.messages[0].find("4e-07 s"), std::string::npos) << ui.messages[0];
  EXPECT_NE(ui.messages[1].find("10000"), std::string::npos) << ui.messages[1];
  EXPECT_NE(ui.messages[2].find(text), std::string::npos) << ui.messages[2];
  ASSERT_EQ(app->records().size(), 1u);
  EXPECT_EQ(app->records().front().get(), first);
  EXPECT_EQ(app->ws().flags, flags);
  EXPECT_FLOAT_EQ(app->ws().params.samplingMhz, 2.5f);
}

TEST_F(OpenRecordingTest, DroppedRecordingsComeIntoTheDialogAndOtherFilesDoNot) {
  const std::string copy = Write("copy.isf", ReadBytes(kIsf));
  std::vector<std::string> offered;
  ui.recordingAnswers.push_back([&](RecordingOpenFields& f) {
    offered = f.paths;
    return Answer(f.paths)(f);
  });
  EXPECT_TRUE(
      app->OpenDroppedRecordings({QString::fromStdString(kIsf), QString::fromStdString(copy)}));
  EXPECT_EQ(offered, (std::vector<std::string>{kIsf, copy}));
  ASSERT_EQ(app->records().size(), 1u);
  EXPECT_EQ(app->records().front()->doc().pointCount(), 10000);

  // A Tektronix text file or a record file keeps opening the way it always did.
  const std::string tek = Write("ch1.txt", TekText(5, Ramp(5, 0.5)));
  const std::string dat = Write("A1.DAT", RecordFile(10, 3, -2));
  EXPECT_FALSE(app->OpenDroppedRecordings({QString::fromStdString(tek)}));
  EXPECT_FALSE(app->OpenDroppedRecordings({QString::fromStdString(dat)}));
  EXPECT_FALSE(app->OpenDroppedRecordings(
      {QString::fromStdString(kIsf), QString::fromStdString(kIsf), QString::fromStdString(kIsf)}));
  EXPECT_EQ(ui.prompts.size(), 1u);
}

TEST_F(OpenRecordingTest, DialogListsTheChannelsAndReturnsThePicks) {
  EnsureQApp();
  RecordingOpenFields fields;
  fields.paths = {kIsf, OtherClock()};
  CRecordingOpenDlg dlg(fields, ui);
  auto* list = dlg.findChild<QTreeWidget*>(QStringLiteral("channels"));
  ASSERT_EQ(list->topLevelItemCount(), 2);
  EXPECT_EQ(list->topLevelItem(0)->text(3), QStringLiteral("10000"));
  EXPECT_EQ(list->topLevelItem(0)->text(4), QStringLiteral("400 ns"));
  EXPECT_EQ(list->topLevelItem(1)->text(4), QStringLiteral("400.01 ns"));
  EXPECT_EQ(list->topLevelItem(0)->text(5), QStringLiteral("V"));
  auto* tr = dlg.findChild<QComboBox*>(QStringLiteral("transmittedChannel"));
  ASSERT_EQ(tr->count(), 2);
  EXPECT_EQ(tr->currentIndex(), 1);

  // A start point that is no count is refused in the dialog.
  dlg.findChild<QLineEdit*>(QStringLiteral("incidentStart"))->setText(QStringLiteral("x"));
  dlg.findChild<QPushButton*>(QStringLiteral("1"))->click();
  EXPECT_EQ(ui.messages, std::vector<std::string>{"请键入一个整数。"});
  EXPECT_NE(dlg.result(), QDialog::Accepted);
  dlg.findChild<QLineEdit*>(QStringLiteral("incidentStart"))->setText(QStringLiteral("7"));
  dlg.findChild<QPushButton*>(QStringLiteral("1"))->click();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(fields.incidentStart, 7);
  EXPECT_EQ(fields.transmitted.file, 1);
  EXPECT_EQ(fields.transmitted.channel, 0);
  ASSERT_EQ(fields.read.size(), 2u);
  EXPECT_TRUE(fields.read[1].ok);

  // One delimited file with both channels: the reader's reading of its layout is on show.
  RecordingOpenFields csv;
  csv.paths = {std::string(VELK_TEST_DATA) + "/realscope/keysight_2ch.csv"};
  CRecordingOpenDlg one(csv, ui);
  list = one.findChild<QTreeWidget*>(QStringLiteral("channels"));
  ASSERT_EQ(list->topLevelItemCount(), 2);
  EXPECT_EQ(list->topLevelItem(1)->text(3), QStringLiteral("2000"));
  EXPECT_EQ(list->topLevelItem(1)->text(4), QStringLiteral("1 ns"));
  EXPECT_TRUE(one.findChild<QLabel*>(QStringLiteral("layout"))
                  ->text()
                  .contains(QStringLiteral("分隔符 ','")));
  EXPECT_EQ(one.findChild<QComboBox*>(QStringLiteral("transmittedChannel"))->currentIndex(), 1);
}

// A logger's semicolon file whose date line reads as data: the operator corrects the header rows
// and the channel unit, the list follows, and the command reads the file as corrected.
TEST_F(OpenRecordingTest, TheOperatorCorrectsTheLayoutOfDelimitedText) {
  EnsureQApp();
  std::string text = "06;12;2026\nZeit;A;B\n(ms);(V);(V)\n";
  for (int i = 0; i < 40; ++i)
    text += "0," + std::to_string(100 + i) + ";" + std::to_string(i) + ",5;-1\n";
  RecordingOpenFields fields;
  fields.paths = {Write("logger.csv", text)};
  CRecordingOpenDlg dlg(fields, ui);
  auto* list = dlg.findChild<QTreeWidget*>(QStringLiteral("channels"));
  auto* rows = dlg.findChild<QSpinBox*>(QStringLiteral("headerRows1"));
  auto* volts = dlg.findChild<QComboBox*>(QStringLiteral("channelUnit1"));
  EXPECT_FALSE(dlg.findChild<QGroupBox*>(QStringLiteral("textLayout"))->isHidden());
  EXPECT_EQ(list->topLevelItemCount(), 0);
  EXPECT_EQ(dlg.findChild<QComboBox*>(QStringLiteral("delimiter1"))->currentData().toInt(), ';');
  EXPECT_EQ(rows->value(), 0);

  rows->setValue(3);
  ASSERT_EQ(list->topLevelItemCount(), 2);
  EXPECT_EQ(list->topLevelItem(0)->text(3), QStringLiteral("40"));
  EXPECT_EQ(list->topLevelItem(0)->text(4), QStringLiteral("1 µs"));
  EXPECT_EQ(dlg.findChild<QComboBox*>(QStringLiteral("decimal1"))->currentData().toInt(), ',');
  EXPECT_EQ(dlg.findChild<QComboBox*>(QStringLiteral("timeUnit1"))->currentText(),
            QStringLiteral("ms"));
  EXPECT_EQ(volts->currentText(), QStringLiteral("V"));
  volts->setCurrentIndex(volts->findText(QStringLiteral("mV")));
  emit volts->activated(volts->currentIndex());
  dlg.findChild<QPushButton*>(QStringLiteral("1"))->click();
  ASSERT_EQ(dlg.result(), QDialog::Accepted);

  PreparedWaves waves;
  fields.read.clear();  // the command reads again with the operator's layout
  ASSERT_TRUE(PrepareRecordingWaves(fields, ui, waves)) << ui.messages.size();
  ASSERT_EQ(waves.incident.size(), 40u);
  EXPECT_DOUBLE_EQ(waves.incident[3], 3.5e-3);
  EXPECT_DOUBLE_EQ(waves.transmitted[0], -1e-3);
  EXPECT_DOUBLE_EQ(waves.sampleIntervalS, 1e-6);

  // A binary recording has no layout to correct.
  RecordingOpenFields isf;
  isf.paths = {kIsf};
  CRecordingOpenDlg binary(isf, ui);
  EXPECT_TRUE(binary.findChild<QGroupBox*>(QStringLiteral("textLayout"))->isHidden());
}

}  // namespace
}  // namespace velk::testing
