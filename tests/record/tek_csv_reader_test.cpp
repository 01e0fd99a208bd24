#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "record/recording_parse.h"

namespace velk {
namespace {

constexpr const char* kNotNumber = "文件 %1 第 %2 行的“%3”不是数字。";

// Performance scopes (DPO, MSO 4000) write the header in columns 1-3 beside the samples.
const char* const kPerformance =
    "\"Record Length\",4,\"Points\",-2.000000e-06,0.004\r\n"
    "\"Sample Interval\",5e-07,s,-1.500000e-06,-0.012\r\n"
    "\"Trigger Point\",2,\"Samples\",-1.000000e-06,0.25\r\n"
    "\"Source\",\"CH2\",,-5.000000e-07,-1.5\r\n";

// Newer scopes (MSO 5/6, MDO 3) write "name,value" lines and end them with a TIME row.
const char* const kNewerHeader =
    "Model,MSO54\n"
    "Firmware Version,1.30\n"
    "\n"
    "Waveform Type,ANALOG\n"
    "Horizontal Units,s\n"
    "Sample Interval,2e-09\n"
    "Record Length,3\n"
    "Vertical Units,V,V\n"
    "Label,,\n"
    "TIME,CH1,CH2\n"
    "-4.000000e-09,0.01,-0.02\n"
    "-2.000000e-09,0.03,-0.04\n"
    "0.000000e+00,0.05,-0.06\n";

TEST(TekCsvReader, PerformanceLayoutTakesTheFifthColumnAndTheHeaderInterval) {
  const RecordingResult r = ParseRecording(kPerformance, RecordingFormat::kAuto);
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.recording.format, RecordingFormat::kTekCsv);
  ASSERT_EQ(r.recording.channels.size(), 1u);
  const RecordingChannel& ch = r.recording.channels[0];
  EXPECT_EQ(ch.name, "CH2");
  EXPECT_EQ(ch.values, (std::vector<double>{0.004, -0.012, 0.25, -1.5}));
  EXPECT_DOUBLE_EQ(ch.sampleIntervalS, 5e-7);
  // A repeated time is a sample out of step, named by its line.
  std::string repeated = kPerformance;
  repeated.replace(repeated.find("-1.000000e-06"), 13, "-1.500000e-06");
  const RecordingResult bad = ParseTekCsv(repeated);
  EXPECT_FALSE(bad.ok);
  EXPECT_EQ(bad.args, std::vector<std::string>{"3"});
}

TEST(TekCsvReader, NewerHeaderEndsAtTheTimeRow) {
  const RecordingResult r = ParseRecording(kNewerHeader, RecordingFormat::kAuto);
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.recording.format, RecordingFormat::kTekCsv);
  EXPECT_EQ(r.recording.layout.headerRows, 10);
  ASSERT_EQ(r.recording.channels.size(), 2u);
  EXPECT_EQ(r.recording.channels[0].name, "CH1");
  EXPECT_EQ(r.recording.channels[1].name, "CH2");
  EXPECT_EQ(r.recording.channels[0].values, (std::vector<double>{0.01, 0.03, 0.05}));
  EXPECT_EQ(r.recording.channels[1].values, (std::vector<double>{-0.02, -0.04, -0.06}));
  for (const RecordingChannel& ch : r.recording.channels) {
    EXPECT_DOUBLE_EQ(ch.sampleIntervalS, 2e-9);
  }
  // One vertical unit per channel, millivolts scaled to volts.
  std::string mixed = kNewerHeader;
  mixed.replace(mixed.find("Vertical Units,V,V"), 18, "Vertical Units,mV,V");
  const RecordingResult milli = ParseTekCsv(mixed);
  ASSERT_TRUE(milli.ok) << milli.message;
  ASSERT_EQ(milli.recording.channels[0].values.size(), 3u);
  for (int k = 0; k < 3; ++k)
    EXPECT_DOUBLE_EQ(milli.recording.channels[0].values[k], (2 * k + 1) * 1e-5);
  EXPECT_EQ(milli.recording.channels[1].values, (std::vector<double>{-0.02, -0.04, -0.06}));
  // A bad cell is named by its line in the file, header lines counted.
  std::string bad = kNewerHeader;
  bad.replace(bad.find("0.03"), 4, "0.0x");
  const RecordingResult refused = ParseTekCsv(bad);
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(refused.message, kNotNumber);
  EXPECT_EQ(refused.args, (std::vector<std::string>{"12", "0.0x"}));
}

TEST(TekCsvReader, FrequencyDomainFilesAreRefused) {
  struct Case {
    std::string text;
    std::string unit;
  } cases[] = {
      {"\"Record Length\",2,\"Points\",0,-40\n\"Horizontal Units\",\"Hz\",,1e3,-42\n", "Hz"},
      {"\"Record Length\",2,\"Points\",0,-40\n\"Vertical Units\",\"dB\",,1e3,-42\n", "dB"},
      {"Model,MSO44\nHorizontal Units,Hz\nTIME,MATH1\n0,-40\n1000,-42\n", "Hz"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const RecordingResult r = ParseTekCsv(c.text);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, kRecFrequencyDomain);
    EXPECT_EQ(r.args, std::vector<std::string>{c.unit});
    EXPECT_TRUE(r.recording.channels.empty());
  }
}

}  // namespace
}  // namespace velk
