#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "record/recording_parse.h"

namespace velk {
namespace {

struct Layout {
  const char* what;
  std::string text;
  char delimiter;
  char decimalMark;
  int headerRows;
  double intervalS;
  std::vector<double> first;  // volts of the first channel
  std::vector<double> last;   // volts of the last channel
};

// The layouts of other scopes and loggers, each with its delimiter, decimal mark, header rows,
// time unit and channel unit as the file states them.
TEST(DelimitedReader, LayoutsGiveVoltsAndSecondsAsTheFileStatesThem) {
  const Layout cases[] = {
      {"decimal comma, semicolons, unit row in ms and mV",
       "Zeit;Kanal A;Kanal B\n(ms);(mV);(V)\n0,000;1,5;2\n0,010;-2,25;-3\n0,020;+30;4,5\n",
       ';',
       ',',
       2,
       10e-6,
       {1.5e-3, -2.25e-3, 30e-3},
       {2, -3, 4.5}},
      {"tabs, units in the names, µs",
       "Time (µs)\tCH1 (V)\tCH2 (mV)\n-1.0\t1\t1000\n-0.5\t2\t-250\n0.0\t3\t0.5\n",
       '\t',
       '.',
       1,
       0.5e-6,
       {1, 2, 3},
       {1, -0.25, 0.5e-3}},
      {"sample index with Start and Increment",
       "X,CH1,CH2,Start,Increment,\nSequence,Volt,Volt,-6.000000e-06,2.000000e-09\n"
       "0,1.20e-01,-4.0e-02,\n1,1.60e-01,-8.0e-02,\n2,2.00e-01,-1.2e-01,\n",
       ',',
       '.',
       2,
       2e-9,
       {0.12, 0.16, 0.2},
       {-0.04, -0.08, -0.12}},
      {"engineering notation with explicit signs, no header",
       "+0.000E+00,+1.0E-01\n+1.000E-06,-2.5E-01\n+2.000E-06,+0.0E+00\n",
       ',',
       '.',
       0,
       1e-6,
       {0.1, -0.25, 0},
       {0.1, -0.25, 0}},
      {"header, unit row and a blank row before the samples",
       "Time,Channel A\n(us),(mV)\n\n0.0,-1.5\n0.8,2.5\n1.6,12.0\n",
       ',',
       '.',
       3,
       0.8e-6,
       {-1.5e-3, 2.5e-3, 12e-3},
       {-1.5e-3, 2.5e-3, 12e-3}},
  };
  for (const Layout& c : cases) {
    SCOPED_TRACE(c.what);
    const RecordingResult r = ParseDelimited(c.text);
    ASSERT_TRUE(r.ok) << r.message << (r.args.empty() ? "" : " " + r.args[0]);
    const DelimitedLayout& layout = r.recording.layout;
    EXPECT_EQ(layout.delimiter, c.delimiter);
    EXPECT_EQ(layout.decimalMark, c.decimalMark);
    EXPECT_EQ(layout.headerRows, c.headerRows);
    EXPECT_EQ(layout.timeColumn, 0);
    const auto& channels = r.recording.channels;
    ASSERT_FALSE(channels.empty());
    for (const RecordingChannel& ch : channels) {
      EXPECT_NEAR(ch.sampleIntervalS, c.intervalS, c.intervalS * 1e-9);
      EXPECT_EQ(ch.unit, "V");
    }
    ASSERT_EQ(channels.front().values.size(), c.first.size());
    ASSERT_EQ(channels.back().values.size(), c.last.size());
    for (std::size_t k = 0; k < c.first.size(); ++k) {
      EXPECT_NEAR(channels.front().values[k], c.first[k], 1e-12) << k;
      EXPECT_NEAR(channels.back().values[k], c.last[k], 1e-12) << k;
    }
  }
}

TEST(DelimitedReader, ChannelNamesAndTheRowOfABadCell) {
  const RecordingResult r = ParseDelimited("Time (s);CH1 [mV];Ch 2\n0;1;2\n1;3;4\n2;5;6\n3;7;8\n");
  ASSERT_TRUE(r.ok) << r.message;
  ASSERT_EQ(r.recording.channels.size(), 2u);
  EXPECT_EQ(r.recording.channels[0].name, "CH1");
  EXPECT_EQ(r.recording.channels[1].name, "Ch 2");
  EXPECT_DOUBLE_EQ(r.recording.channels[1].values[3], 8);

  const RecordingResult bad = ParseDelimited("Time,CH1\n(s),(V)\n0,1\n1,2\n2,two\n");
  EXPECT_FALSE(bad.ok);
  EXPECT_EQ(bad.args, (std::vector<std::string>{"5", "two"}));
  // Finite in kV, infinite in volts.
  const RecordingResult huge = ParseDelimited("Time,CH1\n(s),(kV)\n0,1\n1,1e306\n");
  EXPECT_FALSE(huge.ok);
  EXPECT_EQ(huge.args, (std::vector<std::string>{"4", "1e306"}));
  // An Increment whose interval underflows is no interval, and no reason to stop.
  const RecordingResult tiny =
      ParseDelimited("X,CH1,Start,Increment\nSequence,Volt,0,1e-310\n0,1\n1,2\n");
  ASSERT_TRUE(tiny.ok) << tiny.message;
  EXPECT_EQ(tiny.recording.channels[0].sampleIntervalS, 0);
}

// What detection cannot know, the operator says; what the operator says that cannot be read is
// refused with its reason.
TEST(DelimitedReader, TheOperatorsLayoutReadsWhatDetectionGetsWrong) {
  using Time = DelimitedOverride::Time;
  // A date line before the header looks like a row of numbers.
  const std::string dated =
      "2026;12;06\nZeit;CH1;CH2\n(ms);(mV);(V)\n0,000;1,5;-2\n0,001;2,5;-3\n0,002;3,5;-4\n";
  EXPECT_FALSE(ParseDelimited(dated).ok);
  DelimitedOverride skip;
  skip.headerRows = 3;
  // Through format detection too: the layout reaches the reader the content chose.
  const RecordingResult r = ParseRecording(dated, RecordingFormat::kAuto, skip);
  ASSERT_TRUE(r.ok) << r.message << " " << (r.args.empty() ? "" : r.args[0]);
  EXPECT_EQ(r.recording.layout.decimalMark, ',');
  EXPECT_EQ(r.recording.layout.voltsPerUnit, 0);  // mV and V
  ASSERT_EQ(r.recording.channels.size(), 2u);
  EXPECT_EQ(r.recording.channels[0].name, "CH1");
  EXPECT_NEAR(r.recording.channels[0].sampleIntervalS, 1e-6, 1e-15);
  EXPECT_NEAR(r.recording.channels[0].values[2], 3.5e-3, 1e-15);
  EXPECT_DOUBLE_EQ(r.recording.channels[1].values[1], -3);

  // No header: the first column is taken for time in seconds, and is not uniform. It is a
  // channel in millivolts.
  const std::string bare = "0,5;1,5\n0,7;2,5\n0,6;3,5\n";
  EXPECT_FALSE(ParseDelimited(bare).ok);
  DelimitedOverride channels;
  channels.time = Time::kNone;
  channels.volts = DelimitedOverride::Volts::kMillivolts;
  const RecordingResult two = ParseDelimited(bare, channels);
  ASSERT_TRUE(two.ok) << two.message;
  EXPECT_EQ(two.recording.layout.timeColumn, -1);
  EXPECT_EQ(two.recording.layout.voltsPerUnit, 1e-3);
  ASSERT_EQ(two.recording.channels.size(), 2u);
  EXPECT_NEAR(two.recording.channels[0].values[2], 0.6e-3, 1e-15);
  EXPECT_EQ(two.recording.channels[1].sampleIntervalS, 0);
  // A time column in µs where the header says nothing.
  DelimitedOverride micro;
  micro.time = Time::kMicroseconds;
  const RecordingResult us = ParseDelimited("0;1\n2;2\n4;3\n", micro);
  ASSERT_TRUE(us.ok);
  EXPECT_NEAR(us.recording.channels[0].sampleIntervalS, 2e-6, 1e-15);

  struct Bad {
    DelimitedOverride layout;
    std::string text;
    std::vector<std::string> args;
  };
  DelimitedOverride beyond, negative, commas, tabs, tooFew, timeAlone;
  beyond.headerRows = 9;
  negative.headerRows = -1;
  commas.decimalMark = ',';
  tabs.delimiter = '\t';
  tooFew.headerRows = 1;
  timeAlone.time = Time::kSeconds;
  const Bad bad[] = {
      {beyond, dated, {"9", "6"}},       {negative, dated, {"-1", "6"}},
      {commas, "t,CH1\n0,1\n1,2\n", {}}, {tabs, dated, {}},
      {tooFew, dated, {"2", "Zeit"}},    {timeAlone, "1\n2\n", {}},
  };
  for (const Bad& b : bad) {
    const RecordingResult failed = ParseDelimited(b.text, b.layout);
    EXPECT_FALSE(failed.ok);
    EXPECT_FALSE(failed.message.empty());
    EXPECT_EQ(failed.args, b.args) << failed.message;
  }
}

}  // namespace
}  // namespace velk
