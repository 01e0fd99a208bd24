#include "cli/simulate_output.h"

#include <gtest/gtest.h>

#include <cmath>

#include "../record/test_files.h"

namespace velk::sim {
namespace {

TEST(SimulateOutput, RecorderConvertsOffsetsNoisesAndQuantises) {
  // The bridge factor is the program's formula; a zero product gives 4e6 / 1e6.
  EXPECT_DOUBLE_EQ(BridgeFactor(2.0, 10.0, 100.0, 2.0), 1000.0);
  EXPECT_DOUBLE_EQ(BridgeFactor(0.0, 8.0, 500.0, 2.1), 4.0);

  const std::vector<double> strain{0.0, 476.1904761904762, -952.3809523809524, 10000.0};
  RecorderSettings r;
  r.incident.offset = 0.25;
  r.transmitted.factor = 100.0;
  RecordedChannels ch = Record(strain, strain, r);
  EXPECT_DOUBLE_EQ(ch.incident[0], 0.25);
  EXPECT_NEAR(ch.incident[1], 1.25, 1e-12);
  EXPECT_NEAR(ch.incident[2], -1.75, 1e-12);
  EXPECT_DOUBLE_EQ(ch.transmitted[3], 100.0);

  // 10 bits over 1024 units: whole units, clipped to the converter's span -512..511.
  r.bits = 10;
  r.range = 1024;
  r.transmitted.factor = 10.0;
  ch = Record(std::vector<double>{14.0, 16.0, -20000.0, 20000.0},
              std::vector<double>{14.0, 16.0, -20000.0, 20000.0}, r);
  EXPECT_EQ(ch.transmitted, (std::vector<double>{1.0, 2.0, -512.0, 511.0}));
}

TEST(SimulateOutput, NoiseIsSeededAndHasTheAskedSpread) {
  const std::vector<double> quiet(20000, 0.0);
  RecorderSettings r;
  r.noiseStd = 0.5;
  r.seed = 42;
  const RecordedChannels a = Record(quiet, quiet, r);
  EXPECT_EQ(Record(quiet, quiet, r).incident, a.incident);
  EXPECT_NE(a.incident, a.transmitted);  // the channels draw different numbers
  r.seed = 43;
  EXPECT_NE(Record(quiet, quiet, r).incident, a.incident);
  double sum = 0, sq = 0;
  for (double v : a.incident) {
    sum += v;
    sq += v * v;
  }
  const double mean = sum / 20000, sd = std::sqrt(sq / 20000 - mean * mean);
  EXPECT_NEAR(mean, 0.0, 0.02);
  EXPECT_NEAR(sd, 0.5, 0.02);
}

TEST(SimulateOutput, TruthAndTektronixFilesHaveTheirLayouts) {
  const TempDir dir;
  const std::string tek = (dir.path() / "t.txt").string(), truth = (dir.path() / "u.txt").string();
  ASSERT_EQ(WriteTektronix(tek, {0.0, 1.5, -0.0000004}, 0.2), "");
  EXPECT_EQ(ReadBytes(tek), "3\n2.000000e-07\n0\n0\n0.000000\n1.500000\n-0.000000\n");
  ASSERT_EQ(WriteTruth(truth, {{0.0, 0.0}, {0.012345678, 321.5}}), "");
  EXPECT_EQ(ReadBytes(truth), "0.00000000 0.000000\n0.01234568 321.500000\n");
  // A file that cannot be created is reported, not silently skipped.
  EXPECT_NE(WriteRecordFile("/nonexistent-dir/x.DAT", {1.0}, {1.0}, 0), "");
}

}  // namespace
}  // namespace velk::sim
