#include <gtest/gtest.h>

#include <string>

#include "record/recording.h"

namespace velk {
namespace {

const std::string kRealScope = std::string(VELK_TEST_DATA) + "/realscope/";

struct Expected {
  const char* file;
  RecordingFormat format;
  std::size_t channels;
  std::size_t points;
  double intervalS;
  std::vector<double> firstValues;  // of the first channel
};

// Every real instrument file reads as its README says, detected from its content.
TEST(RealScopeFiles, ReadAsTheirInstrumentsWroteThem) {
  const Expected cases[] = {
      {"tek_mdo_ch1.isf", RecordingFormat::kIsf, 1, 10000, 400e-9, {-0.02, 0.02, -0.04}},
      {"tek_mdo_ch1_same_capture.csv",
       RecordingFormat::kDelimited,
       1,
       10000,
       400e-9,
       {-0.02, 0.02, -0.04}},
      {"tek_tds2001c_F0000CH1.CSV", RecordingFormat::kTekCsv, 1, 2500, 1e-9, {0.0056, 0.0056}},
      {"lecroy_wavepro254hd.trc",
       RecordingFormat::kTrc,
       1,
       100002,
       100e-9,
       {0.32998257449344237, 0.32987009539715473, 0.32975151278401427}},
      {"rigol_ds1054z_4ch.csv", RecordingFormat::kDelimited, 4, 1200, 0.5e-9, {3.28, 3.28, 3.20}},
      {"keysight_2ch.csv",
       RecordingFormat::kDelimited,
       2,
       2000,
       1e-9,
       {-402.01005e-6, -402.01005e-6}},
      {"picoscope_2ch.csv", RecordingFormat::kDelimited, 2, 7817, 0.00256e-3, {0.00012207}},
  };
  for (const Expected& e : cases) {
    SCOPED_TRACE(e.file);
    const RecordingResult r = ReadRecording(kRealScope + e.file);
    ASSERT_TRUE(r.ok) << r.message << (r.args.size() > 1 ? r.args[1] : "");
    EXPECT_EQ(r.recording.format, e.format);
    ASSERT_EQ(r.recording.channels.size(), e.channels);
    for (const RecordingChannel& ch : r.recording.channels) {
      EXPECT_EQ(ch.values.size(), e.points);
      EXPECT_NEAR(ch.sampleIntervalS, e.intervalS, e.intervalS * 1e-6);
      EXPECT_EQ(ch.unit, "V");
    }
    for (std::size_t k = 0; k < e.firstValues.size(); ++k) {
      EXPECT_NEAR(r.recording.channels[0].values[k], e.firstValues[k], 1e-12);
    }
  }
  // Channel names as the files give them.
  const RecordingResult rigol = ReadRecording(kRealScope + "rigol_ds1054z_4ch.csv");
  ASSERT_TRUE(rigol.ok);
  EXPECT_EQ(rigol.recording.channels[3].name, "CH4");
  EXPECT_TRUE(rigol.recording.layout.timeIsIndex);
  EXPECT_EQ(rigol.recording.layout.headerRows, 2);
  const RecordingResult pico = ReadRecording(kRealScope + "picoscope_2ch.csv");
  ASSERT_TRUE(pico.ok);
  EXPECT_EQ(pico.recording.channels[1].name, "Channel B");
  EXPECT_EQ(pico.recording.layout.timeUnitS, 1e-3);
  EXPECT_EQ(pico.recording.layout.headerRows, 3);
  const RecordingResult tds = ReadRecording(kRealScope + "tek_tds2001c_F0000CH1.CSV");
  ASSERT_TRUE(tds.ok);
  EXPECT_EQ(tds.recording.channels[0].name, "CH1");
  // The scope's CSV of a capture holds the same samples as its ISF file.
  const RecordingResult isf = ReadRecording(kRealScope + "tek_mdo_ch1.isf");
  const RecordingResult csv = ReadRecording(kRealScope + "tek_mdo_ch1_same_capture.csv");
  ASSERT_TRUE(isf.ok && csv.ok);
  const auto& a = isf.recording.channels[0].values;
  const auto& b = csv.recording.channels[0].values;
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t k = 0; k < a.size(); ++k) ASSERT_NEAR(a[k], b[k], 1e-9) << k;
}

}  // namespace
}  // namespace velk
