#include "record/param_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "locale_util.h"
#include "record/velk_doc.h"
#include "test_files.h"

namespace velk {
namespace {

// The parameters a freshly opened test has: the record constructor's resets.
TestParameters OpenedTestParameters() {
  Workspace ws;
  CVelkDoc doc(ws);
  return ws.params;
}

TEST(ParamFile, StoresTheTableBarValuesAndTheIntervalByteExact) {
  TestParameters p = OpenedTestParameters();
  p.barMaterialIndex = 1;
  p.barDiameterIndex = 2;
  p.barWaveSpeedMs = 1234.5f;  // whatever changed them last: storing takes the table rows
  p.barModulusMpa = 1.0f;
  p.barAreaMm2 = 99.0;
  p.impactedDiameterMm = 7.5f;
  p.impactedLengthMm = 3.25f;
  p.strikerVelocityMs = 3.0f;
  p.strikeBarVelocityMs = 12.5;
  p.windowIndices = {10, 20, 30, 40, -50, 60};
  p.channel[kTransmitted].factor = -0.0000004;  // rounds to zero and keeps its sign
  const std::string text = FormatParameterFile(p);
  EXPECT_EQ(text,
            "5065.000000 71420.000000 201.061926 476.190476 -0.000000 8.000000 500.000000 "
            "2.100000 1.000000 8.000000 500.000000 2.100000 1.000000 \n"
            "8.000000 4.000000 7.500000 3.250000 0.200000 3.000000 12.500000 \n"
            "10 20 30 40 -50 60 \n");
  EXPECT_EQ(p.barAreaMm2, 201.0619264);

  // Indices outside the tables take the last rows; a zero frequency keeps the interval.
  p.barMaterialIndex = 7;
  p.barDiameterIndex = -1;
  p.samplingMhz = 0.0f;
  p.sampleIntervalUs = 0.08;
  const std::string odd = FormatParameterFile(p);
  EXPECT_EQ(odd.substr(0, 36), "5065.000000 71420.000000 201.061926 ");
  EXPECT_NE(odd.find(" 0.080000 "), std::string::npos);
  p.samplingMhz = std::numeric_limits<float>::infinity();
  FormatParameterFile(p);
  EXPECT_EQ(p.sampleIntervalUs, 0.08);
}

TEST(ParamFile, RoundTripsByteForByteOnceValuesCarrySinglePrecision) {
  const std::string file =
      "5122.000000 198646.000000 5026.548160 501.000000 496.500000 8.000000 200.000000 "
      "2.061000 1.000000 8.000000 200.000000 2.062000 1.000000 \n"
      "6.340000 3.204000 6.900000 2.800000 0.100000 12.000000 12.500000 \n"
      "492 1148 2045 2616 2063 2848 \n";
  TestParameters p = OpenedTestParameters();
  ParseParameterFile(file, p);
  EXPECT_EQ(p.barMaterialIndex, 0);
  EXPECT_EQ(p.barDiameterIndex, 0);
  EXPECT_EQ(p.samplingMhz, 10.0f);
  EXPECT_EQ(p.strikeBarVelocityMs, 12.5);
  EXPECT_EQ(p.channel[kTransmitted].gaugeFactor, static_cast<double>(2.062f));
  EXPECT_EQ(p.windowIndices[5], 2848);
  EXPECT_EQ(FormatParameterFile(p), file);

  // A double written with more digits than a float holds reads back as the nearest float, and
  // from then on the file is stable.
  TestParameters q = OpenedTestParameters();
  const std::string first = FormatParameterFile(q);
  EXPECT_EQ(first.substr(38, 22), "476.190476 476.190476 ");
  TestParameters r = OpenedTestParameters();
  ParseParameterFile(first, r);
  EXPECT_EQ(r.channel[kIncident].factor, static_cast<double>(476.190476f));
  const std::string second = FormatParameterFile(r);
  EXPECT_EQ(second.substr(38, 22), "476.190491 476.190491 ");
  TestParameters s = OpenedTestParameters();
  ParseParameterFile(second, s);
  EXPECT_EQ(FormatParameterFile(s), second);
}

TEST(ParamFile, DerivesIndicesAndFrequencyWithoutDividingByZero) {
  TestParameters p = OpenedTestParameters();
  ParseParameterFile("5122.5 1 1256.9\n0 0 0 0 0.2\n", p);
  EXPECT_EQ(p.barMaterialIndex, 1);
  EXPECT_EQ(p.barDiameterIndex, 1);
  EXPECT_EQ(p.samplingMhz, 5.0f);
  ParseParameterFile("5122 1 201.9\n", p);
  EXPECT_EQ(p.barMaterialIndex, 0);
  EXPECT_EQ(p.barDiameterIndex, 2);
  ParseParameterFile("1 1 nan\n", p);
  EXPECT_EQ(p.barDiameterIndex, 2);

  // An interval of 0, infinity, NaN or one whose inverse no float holds keeps what the test had.
  for (const char* bad : {"0", "0.000000", "inf", "nan", "1e-45", "-0"}) {
    TestParameters t = OpenedTestParameters();
    t.samplingMhz = 12.5f;
    t.sampleIntervalUs = 0.08;
    ParseParameterFile(std::string("\n1 2 3 4 ") + bad + " 6 7\n", t);
    EXPECT_EQ(t.samplingMhz, 12.5f) << bad;
    EXPECT_EQ(t.sampleIntervalUs, 0.08) << bad;
    EXPECT_EQ(t.strikeBarVelocityMs, 7.0) << bad;
  }
  // At program start the interval is 0 and a file without line 2 must not divide by it.
  TestParameters start;
  ParseParameterFile("5122\n", start);
  EXPECT_EQ(start.samplingMhz, 0.0f);
  EXPECT_EQ(start.sampleIntervalUs, 0.0);
}

TEST(ParamFile, PartialLinesKeepTheValuesNotConverted) {
  TestParameters p = OpenedTestParameters();
  p.windowIndices = {1, 2, 3, 4, 5, 6};
  // Line 1 stops at "x", line 2 at the comma, line 3 converts with base detection; CR LF and a
  // lone CR both end lines.
  ParseParameterFile("5065 71420 x 9 9\r\n9.5 1,5 7\r010 0x10 -5 12abc 99", p);
  EXPECT_EQ(p.barWaveSpeedMs, 5065.0f);
  EXPECT_EQ(p.barModulusMpa, 71420.0f);
  EXPECT_EQ(p.channel[kIncident].factor, kDefaultConversionFactor);
  EXPECT_EQ(p.specimenDiameterMm, 9.5f);
  EXPECT_EQ(p.specimenThicknessMm, 1.0f);
  EXPECT_EQ(p.impactedDiameterMm, 0.0f);
  EXPECT_EQ(p.samplingMhz, 5.0f);
  EXPECT_EQ(p.windowIndices, (std::array<int, 6>{8, 16, -5, 12, 5, 6}));
}

TEST(ParamFile, DecimalCommaLocaleChangesNeitherReadingNorWriting) {
  CLocaleAfterwards restore;
  if (!UseDecimalCommaLocale()) GTEST_SKIP() << "no decimal-comma locale on this machine";
  TestParameters p = OpenedTestParameters();
  const std::string text = FormatParameterFile(p);
  EXPECT_NE(text.find(" 0.200000 "), std::string::npos);
  EXPECT_EQ(text.find(','), std::string::npos);
  TestParameters q = OpenedTestParameters();
  ParseParameterFile("5122.000000 198646.000000 5026.548160 2,5\n", q);
  EXPECT_EQ(q.channel[kIncident].factor, 2.0);
}

TEST(ParamFile, FileNamesKeepTheFolderAndFindCaseVariants) {
  EXPECT_EQ(ParameterFileName("/d/Tests/A1.DAT"), "/d/Tests/a1.PAT");
  EXPECT_EQ(ParameterFileName("/d/Tests/a1.isf"), "/d/Tests/a1.isf.PAT");
  EXPECT_EQ(ParameterFileName("/d/试验A.DAT"), "/d/试验a.PAT");

  TempDir dir;
  const std::string record = dir.Write("A1.DAT", "512\n");
  EXPECT_FALSE(FindParameterFileBeside(record));
  dir.Write("A1.PAT.bak", "");
  std::filesystem::create_directory(dir.path() / "a1.pat");  // a folder is no parameter file
  EXPECT_FALSE(FindParameterFileBeside(record));
  const std::string upper = dir.Write("A1.PAT", "");
  EXPECT_EQ(FindParameterFileBeside(record), upper);
  const std::string exact = dir.Write("a1.PAT", "");
  EXPECT_EQ(FindParameterFileBeside(record), exact);
}

}  // namespace
}  // namespace velk
