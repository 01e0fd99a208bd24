#include "cli/simulate_formats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <sstream>

#include "../record/test_files.h"

namespace velk::sim {
namespace {

// A pulse with a baseline offset, a positive and a negative excursion, as a bar channel looks.
RecordedChannels Channels(int n) {
  RecordedChannels ch;
  for (int i = 0; i < n; ++i) {
    const double x = static_cast<double>(i) / n;
    ch.incident.push_back(0.012 + 1.3 * std::sin(6.28318 * x) * (x < 0.5 ? 1 : 0.6));
    ch.transmitted.push_back(-0.008 + 0.4 * x * x);
  }
  return ch;
}

double Field(const std::string& preamble, const std::string& key) {
  auto at = preamble.find(";" + key + " ");
  if (at == std::string::npos) at = preamble.find(":" + key + " ");
  EXPECT_NE(at, std::string::npos) << key;
  return std::stod(preamble.substr(at + key.size() + 2));
}

TEST(SimulateFormats, BinaryFilesDecodeToTheChannelWithinHalfALevel) {
  const TempDir dir;
  const RecordedChannels ch = Channels(1000);
  const std::vector<std::string> paths = {(dir.path() / "inc").string(),
                                          (dir.path() / "tr").string()};
  for (const auto* name : {"isf1", "isf2", "isf2-lsb"}) {
    SCOPED_TRACE(name);
    ASSERT_EQ(WriteRecording(FindRecordingLayout(name)->layout, paths, ch, 0.2, 100), "");
    for (int c = 0; c < 2; ++c) {
      const std::string f = ReadBytes(paths[c]);
      const auto curve = f.find(":CURVE #");
      ASSERT_NE(curve, std::string::npos);
      const std::string pre = f.substr(0, curve);
      const int bytes = static_cast<int>(Field(pre, "BYT_NR"));
      const bool msb = pre.find("BYT_OR MSB") != std::string::npos;
      EXPECT_EQ(Field(pre, "NR_PT"), 1000);
      EXPECT_DOUBLE_EQ(Field(pre, "XINCR"), 200e-9);
      EXPECT_DOUBLE_EQ(Field(pre, "XZERO"), -20e-6);
      const double ymult = Field(pre, "YMULT"), yoff = Field(pre, "YOFF"),
                   yzero = Field(pre, "YZERO");
      const int digits = f[curve + 8] - '0';
      const std::size_t length = std::stoul(f.substr(curve + 9, digits));
      const std::size_t data = curve + 9 + digits;
      ASSERT_EQ(length, 1000u * bytes);
      ASSERT_GE(f.size(), data + length);
      const auto& v = c == 0 ? ch.incident : ch.transmitted;
      for (std::size_t i = 0; i < v.size(); ++i) {
        const auto* p = reinterpret_cast<const unsigned char*>(&f[data + i * bytes]);
        const int raw = bytes == 1
                            ? static_cast<std::int8_t>(p[0])
                            : static_cast<std::int16_t>(msb ? p[0] << 8 | p[1] : p[1] << 8 | p[0]);
        ASSERT_NEAR((raw - yoff) * ymult + yzero, v[i], 0.5 * ymult + 1e-12) << i;
      }
    }
  }

  ASSERT_EQ(WriteRecording(RecordingLayout::kTrc, paths, ch, 0.2, 100), "");
  const std::string f = ReadBytes(paths[1]);
  ASSERT_EQ(f.substr(0, 2), "#9");
  EXPECT_EQ(std::stoul(f.substr(2, 9)), f.size() - 11);
  const char* d = f.data() + 11;
  auto i32 = [d](int at) {
    std::int32_t v;
    std::memcpy(&v, d + at, 4);
    return v;
  };
  auto f32 = [d](int at) {
    float v;
    std::memcpy(&v, d + at, 4);
    return static_cast<double>(v);
  };
  EXPECT_EQ(std::string(d, 8), "WAVEDESC");
  EXPECT_EQ(std::string(d + 16, 10), "LECROY_2_3");
  EXPECT_EQ(i32(36), 346);
  EXPECT_EQ(i32(60), 2000);
  EXPECT_EQ(i32(116), 1000);
  EXPECT_NEAR(f32(176), 200e-9, 1e-13);
  const double gain = f32(156), offset = f32(160);
  for (std::size_t i = 0; i < 1000; ++i) {
    std::int16_t raw;
    std::memcpy(&raw, d + 346 + 2 * i, 2);
    ASSERT_NEAR(raw * gain - offset, ch.transmitted[i], 8 * gain + 1e-9) << i;
  }
}

TEST(SimulateFormats, TextLayoutsHoldEverySampleUnderTheirHeaders) {
  const TempDir dir;
  const RecordedChannels ch = Channels(50);
  const std::string one = (dir.path() / "one.csv").string();
  const std::vector<std::string> two = {one, (dir.path() / "two.csv").string()};
  auto lines = [](const std::string& path) {
    std::vector<std::string> out;
    std::istringstream in(ReadBytes(path));
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
  };

  ASSERT_EQ(WriteRecording(RecordingLayout::kTekCsvLegacy, two, ch, 0.2, 10), "");
  auto l = lines(one);
  ASSERT_EQ(l.size(), 50u);
  EXPECT_EQ(l[0].substr(0, 34), "Record Length,5.00E+01,,-0.000002,");
  EXPECT_EQ(l[1].substr(0, 25), "Sample Interval,2.00E-07,");
  EXPECT_EQ(l[49].substr(0, 3), ",,,");

  ASSERT_EQ(WriteRecording(RecordingLayout::kTekCsvPerf, two, ch, 0.2, 10), "");
  l = lines(two[1]);
  ASSERT_EQ(l.size(), 50u);
  EXPECT_EQ(l[0].substr(0, 41), "\"Record Length\",5.000000E+01,\"Points\",-2.");
  EXPECT_EQ(l[0].back(), '\r');

  ASSERT_EQ(WriteRecording(RecordingLayout::kTekCsv, {one}, ch, 0.2, 10), "");
  l = lines(one);
  ASSERT_EQ(l.size(), 21u + 50u);
  EXPECT_EQ(l[20], "TIME,CH1,CH2");
  EXPECT_EQ(l[8], "Sample Interval,2e-07,2e-07");
  EXPECT_EQ(l[21].substr(0, 15), "-2.0000000E-06,");

  ASSERT_EQ(WriteRecording(RecordingLayout::kCsvCommaMv, {one}, ch, 0.2, 10), "");
  l = lines(one);
  ASSERT_EQ(l.size(), 53u);
  EXPECT_EQ(l[1], "(ms);(mV);(mV)\r");
  EXPECT_EQ(l[3], "-0,0020000;12,000;-8,000\r");
}

TEST(SimulateFormats, EngineeringNotationAsTheScopesWriteIt) {
  EXPECT_EQ(TekEngineering(400e-9), "400.0000E-9");
  EXPECT_EQ(TekEngineering(78.125e-6), "78.1250E-6");
  EXPECT_EQ(TekEngineering(-25600), "-25.6000E+3");
  EXPECT_EQ(TekEngineering(0), "0.0E+0");
  EXPECT_EQ(TekEngineering(999.99999), "1.0000E+3");
}

}  // namespace
}  // namespace velk::sim
