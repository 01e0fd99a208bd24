#include "record/recording_install.h"

#include <gtest/gtest.h>

#include <string>

#include "record/reader.h"
#include "record/recording_open.h"
#include "record/scripted_interaction.h"
#include "record/velk_doc.h"
#include "test_files.h"

namespace velk {
namespace {

std::string Csv(double dtUs, int n, double scale) {
  std::string s = "Time (us),CH1 (V),CH2 (mV)\n";
  for (int i = 0; i < n; ++i) {
    s += std::to_string(i * dtUs) + "," + std::to_string(scale * i) + "," +
         std::to_string(-scale * i * 1000) + "\n";
  }
  return s;
}

TEST(RecordingInstall, OneFileGivesBothChannelsAndTheSampleInterval) {
  TempDir dir;
  const std::string path = dir.Write("both.isf", Csv(0.5, 300, 0.01));  // a CSV named .isf
  Workspace ws;
  CVelkDoc doc(ws);
  ScriptedInteraction ui;
  RecordingPairReader reader({path, RecordingFormat::kAuto, "CH1", 10},
                             {path, RecordingFormat::kAuto, "2", 0});
  ASSERT_EQ(reader.Read(doc, ui), kReadOk) << (ui.messages.empty() ? "" : ui.messages[0]);
  EXPECT_TRUE(ui.messages.empty());
  ASSERT_EQ(doc.pointCount(), 290);
  EXPECT_DOUBLE_EQ(doc.m_rawInc[0], 0.1);
  EXPECT_NEAR(doc.m_rawTr[1], -0.01, 1e-12);  // millivolts scaled to volts
  EXPECT_TRUE(ws.Has(kTektronixSource | kWavesLoaded));
  EXPECT_NEAR(ws.params.sampleIntervalUs, 0.5, 1e-12);
  EXPECT_FLOAT_EQ(ws.params.samplingMhz, 2.0f);
  EXPECT_FLOAT_EQ(doc.m_setup.samplingMhz, 2.0f);
}

TEST(RecordingInstall, RefusalsLeaveTheRecordAsItWas) {
  TempDir dir;
  const std::string a = dir.Write("a.csv", Csv(0.5, 300, 0.01));
  const std::string b = dir.Write("b.csv", Csv(0.5000006, 300, 0.01));  // 1.2 parts in 10^6
  const std::string c = dir.Write("c.csv", Csv(0.5000004, 300, 0.01));
  std::string uneven = Csv(0.5, 20, 0.01);
  uneven.replace(uneven.find("\n5.0"), 4, "\n5.5");
  const std::string d = dir.Write("d.csv", uneven);
  struct Case {
    RecordingPick inc, tr;
    std::string message;
  } cases[] = {
      {{a, {}, "1", 0}, {b, {}, "2", 0}, "文件 %1 与文件 %2 的采样间隔不同（%3 s 与 %4 s）。"},
      {{a, {}, "CH3", 0}, {a, {}, "2", 0}, "文件 %1 中没有通道 %2。"},
      {{a, {}, "1", 300}, {a, {}, "2", 0}, "开始点 %1 超出了文件 %2 的数据长度 %3。"},
      {{a, {}, "1", -1}, {a, {}, "2", 0}, "开始点不能为负数。"},
      {{d, {}, "1", 0},
       {a, {}, "2", 0},
       "文件 %1 的时间列不均匀：第 %2 行的时间间隔与其他行不同。"},
      {{a, {}, "1", 0}, {dir.path().string() + "/none", {}, "1", 0}, "Open file %1 fault!"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.message);
    Workspace ws;
    ws.params.sampleIntervalUs = 0.2;
    CVelkDoc doc(ws);
    ScriptedInteraction ui;
    const int before = doc.pointCount();
    EXPECT_EQ(RecordingPairReader(k.inc, k.tr).Read(doc, ui), kReadFailed);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(doc.pointCount(), before);
    EXPECT_TRUE(doc.m_rawInc.empty());
    EXPECT_FALSE(ws.Has(kWavesLoaded));
    EXPECT_EQ(ws.params.sampleIntervalUs, 0.2);
  }
  // Within 1 part in 10^6 the pair opens.
  Workspace ws;
  CVelkDoc doc(ws);
  ScriptedInteraction ui;
  EXPECT_EQ(RecordingPairReader({a, {}, "1", 0}, {c, {}, "2", 0}).Read(doc, ui), kReadOk);
}

// The batch reader and the dialog's flow: both read the operator's layout, and both take the
// clock of whichever file gives one.
TEST(RecordingInstall, BothOpenPathsReadTheOperatorsLayoutAndTakeTheSameClock) {
  TempDir dir;
  std::string counts, dated = "7;2026\nZeit (us);CH1 (mV)\n";
  for (int i = 0; i < 50; ++i) {
    counts += std::to_string(i % 7) + "\n";
    dated += std::to_string(i / 2) + (i % 2 ? ",5;" : ",0;") + std::to_string(i) + "\n";
  }
  const std::string a = dir.Write("counts.txt", counts);  // no time column: no clock
  const std::string b = dir.Write("dated.csv", dated);
  DelimitedOverride skip;
  skip.headerRows = 2;

  Workspace batchWs;
  CVelkDoc batch(batchWs);
  ScriptedInteraction ui;
  RecordingPick inc{a, RecordingFormat::kDelimited, "1", 0};
  RecordingPick tr{b, RecordingFormat::kAuto, "CH1", 0};
  EXPECT_EQ(RecordingPairReader(inc, tr).Read(batch, ui), kReadFailed);  // line 2 is no number
  tr.layout = skip;
  ASSERT_EQ(RecordingPairReader(inc, tr).Read(batch, ui), kReadOk);

  RecordingOpenFields fields;
  fields.paths = {a, b};
  fields.formats = {RecordingFormat::kDelimited, RecordingFormat::kAuto};
  fields.layouts = {{}, skip};
  fields.transmitted = {1, 0};
  PreparedWaves waves;
  ASSERT_TRUE(PrepareRecordingWaves(fields, ui, waves));
  Workspace dialogWs;
  CVelkDoc dialog(dialogWs);
  ASSERT_EQ(InstallRecordingWaves(dialog, ui, std::move(waves)), kReadOk);

  for (CVelkDoc* doc : {&batch, &dialog}) {
    EXPECT_EQ(doc->params().sampleIntervalUs, 0.5);
    EXPECT_EQ(doc->params().samplingMhz, 2.0f);
    EXPECT_EQ(doc->m_setup.samplingMhz, 2.0f);
    ASSERT_EQ(doc->pointCount(), 50);
    EXPECT_DOUBLE_EQ(doc->m_rawTr[49], 49e-3);
  }
}

}  // namespace
}  // namespace velk
