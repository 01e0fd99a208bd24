#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "record/recording.h"
#include "record/recording_parse.h"

namespace velk {
namespace {

const std::string kRealScope = std::string(VELK_TEST_DATA) + "/realscope/";

// An ISF image: preamble text, then CURVE with the raw samples as a block.
std::string Isf(const std::string& preamble, const std::vector<int>& raw, int width, bool msb,
                const std::string& curve = ":CURVE ") {
  std::string data;
  for (const int v : raw) {
    const auto u = static_cast<std::uint16_t>(v);
    if (width == 1) {
      data += static_cast<char>(u & 0xFF);
    } else if (msb) {
      data += {static_cast<char>(u >> 8), static_cast<char>(u & 0xFF)};
    } else {
      data += {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
    }
  }
  const std::string len = std::to_string(data.size());
  return preamble + curve + "#" + std::to_string(len.size()) + len + data + "\n";
}

TEST(IsfReader, RealScopeFileGivesVoltsAndInterval) {
  const RecordingResult r = ReadRecording(kRealScope + "tek_mdo_ch1.isf");
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.recording.format, RecordingFormat::kIsf);
  ASSERT_EQ(r.recording.channels.size(), 1u);
  const RecordingChannel& ch = r.recording.channels[0];
  EXPECT_EQ(ch.name, "Ch1");
  EXPECT_EQ(ch.unit, "V");
  ASSERT_EQ(ch.values.size(), 10000u);
  EXPECT_DOUBLE_EQ(ch.sampleIntervalS, 400e-9);
  EXPECT_NEAR(ch.values[0], -0.02, 1e-12);
  EXPECT_NEAR(ch.values[1], 0.02, 1e-12);
  EXPECT_NEAR(ch.values[2], -0.04, 1e-12);
  EXPECT_TRUE(r.recording.notes.empty());
}

TEST(IsfReader, KeywordSpellingsOrdersAndByteLayouts) {
  const std::vector<int> raw = {-3, 0, 5, 127};
  struct Case {
    std::string preamble;
    int width;
    bool msb;
  } cases[] = {
      // Short keywords, any order, a quoted WFID holding ';', little-endian words.
      {":WFMP:YMU 0.5;YOF 1;WFI \"Ch2; x\";BYT_O LSB;BYT_N 2;BN_F RI;ENC BIN;XIN 2e-9;"
       "YZE 0.25;NR_P 4;",
       2, false},
      {":WFMOUTPRE:BYT_NR 2;BN_FMT RI;BYT_OR MSB;ENCDG BINARY;NR_PT 4;YMULT 0.5;YOFF 1;"
       "YZERO 0.25;XINCR 2e-9;WFID \"Ch2; x\";",
       2, true},
      {":WFMPRE:BYT_NR 1;BN_FMT RI;ENCDG BIN;YMULT 0.5;YOFF 1.0E+0;YZERO 250E-3;XINCR 2E-9;"
       "WFID \"Ch2; x\";",
       1, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.preamble);
    const RecordingResult r = ParseIsf(Isf(c.preamble, raw, c.width, c.msb, ":CURV "));
    ASSERT_TRUE(r.ok) << r.message;
    const RecordingChannel& ch = r.recording.channels[0];
    EXPECT_EQ(ch.name, "Ch2; x");
    EXPECT_DOUBLE_EQ(ch.sampleIntervalS, 2e-9);
    ASSERT_EQ(ch.values.size(), 4u);
    for (std::size_t k = 0; k < raw.size(); ++k) {
      EXPECT_DOUBLE_EQ(ch.values[k], (raw[k] - 1) * 0.5 + 0.25);
    }
  }
  // Unsigned samples: 0xFFFF is 65535, not -1.
  const RecordingResult rp =
      ParseIsf(Isf(":WFMPRE:BYT_NR 2;BN_FMT RP;BYT_OR MSB;YMULT 1;YOFF 0;", {0xFFFF}, 2, true));
  ASSERT_TRUE(rp.ok);
  EXPECT_DOUBLE_EQ(rp.recording.channels[0].values[0], 65535.0);
}

TEST(IsfReader, AsciiCurveSeveralRecordsAndTrailingBytes) {
  const RecordingResult a =
      ParseIsf(":WFMPRE:ENCDG ASCII;YMULT 2;YOFF 0;YZERO 0;XINCR 1e-6;:CURVE 1,-2, 3\n");
  ASSERT_TRUE(a.ok) << a.message;
  EXPECT_EQ(a.recording.channels[0].values, (std::vector<double>{2, -4, 6}));

  const std::string one = Isf(":WFMPRE:BYT_NR 1;YMULT 1;YOFF 0;", {1, 2}, 1, true);
  const RecordingResult two = ParseIsf(one + one);
  ASSERT_TRUE(two.ok);
  EXPECT_EQ(two.recording.channels[0].values, (std::vector<double>{1, 2}));
  ASSERT_EQ(two.recording.notes.size(), 1u);
  EXPECT_EQ(two.recording.notes[0].args, std::vector<std::string>{"2"});
  // Bytes after the block, NR_PT smaller than the block: the declared points only.
  const RecordingResult cut =
      ParseIsf(Isf(":WFMPRE:BYT_NR 1;NR_PT 1;YMULT 1;YOFF 0;", {7, 8}, 1, true) + "garbage;\"");
  ASSERT_TRUE(cut.ok);
  EXPECT_EQ(cut.recording.channels[0].values, std::vector<double>{7});
}

TEST(IsfReader, DamagedFilesAreRefusedWithTheirReason) {
  const std::string good = Isf(":WFMPRE:BYT_NR 2;NR_PT 4;YMULT 1;YOFF 0;", {1, 2, 3, 4}, 2, true);
  struct Case {
    std::string bytes;
    const char* message;
  } cases[] = {
      {good.substr(0, good.size() - 4), kRecTruncated},  // block cut short
      {":WFMPRE:BYT_NR 1;YMULT 1;:CURVE #9999999999ab", kRecTruncated},
      {":WFMPRE:BYT_NR 2;NR_PT 0;YMULT 1;:CURVE #14abcd", kRecBadPointCount},
      {":WFMPRE:BYT_NR 2;NR_PT 2147483648;YMULT 1;:CURVE #14abcd", kRecBadPointCount},
      {":WFMPRE:BYT_NR 2;NR_PT 3;YMULT 1;:CURVE #14abcd", kRecTruncated},
      {":WFMPRE:BYT_NR 2;YOFF 0;:CURVE #14abcd", "文件 %1 的波形前导中缺少 %2。"},
      {":WFMPRE:BYT_NR 1;YMULT 1;:CURVE #10", kRecNoData},
      {":WFMPRE:BYT_NR 4;BN_FMT FP;YMULT 1;:CURVE #14abcd", "文件 %1 的数据格式 %2 无法读入。"},
      {":WFMPRE:BYT_NR 1;YMULT 1;XUNIT \"Hz\";:CURVE #14abcd", kRecFrequencyDomain},
      {":WFMPRE:BYT_NR 1;YMULT 1;", "文件 %1 中没有波形数据块（CURVE）。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    const RecordingResult r = ParseIsf(c.bytes);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, c.message);
    EXPECT_TRUE(r.recording.channels.empty());
  }
}

}  // namespace
}  // namespace velk
