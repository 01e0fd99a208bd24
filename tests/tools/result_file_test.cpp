#include "tools/result_file.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "../record/locale_util.h"
#include "../record/test_files.h"
#include "record/velk_doc.h"

namespace velk {
namespace {

// A record with three result points whose six smoothed curves differ in every column.
struct ResultFixture {
  Workspace ws;
  CVelkDoc doc{ws};
  ResultFixture() {
    doc.m_lastResultIndex = 2;
    doc.m_smoothed[kEngStress] = {0.0, 150.123456, -0.000001};
    doc.m_smoothed[kEngStrain] = {0.0, 0.0012345, 0.25};
    doc.m_smoothed[kEngStrainRate] = {1000.0, -2500.5, 3.0};
    doc.m_smoothed[kTrueStress] = {1.0, 2.0, 3.0};
    doc.m_smoothed[kTrueStrain] = {-0.0, 0.5, 1.000005};
    doc.m_smoothed[kTrueStrainRate] = {7.0, 8.0, 9.0};
    // The computed curves must never be what a result file shows.
    for (auto& c : doc.m_computed) c = {99.0, 99.0, 99.0};
  }
};

TEST(ResultFile, RowsAreByteExactForEachKind) {
  ResultFixture f;
  EXPECT_EQ(FormatResultRows(f.doc, 2), "0.00000 0.00000\n0.00123 150.12346\n0.25000 -0.00000\n");
  EXPECT_EQ(FormatResultRows(f.doc, 3),
            "0.00000 0.00000 1000.00000\n0.00123 150.12346 -2500.50000\n"
            "0.25000 -0.00000 3.00000\n");
  // 1.000005 lies just above the halfway point in binary, so it rounds up, as printf does.
  EXPECT_EQ(FormatResultRows(f.doc, 4),
            "-0.00000 1.00000 7.00000\n0.50000 2.00000 8.00000\n1.00001 3.00000 9.00000\n");
  EXPECT_EQ(FormatResultRows(f.doc, 5), "");

  // The same text as the C runtime's "%.5f" for awkward values.
  for (double v : {-0.0, -0.000001, 0.000015, 2.675, -1e-320, 123456789.123456789, -1e21, DBL_MAX,
                   std::numeric_limits<double>::infinity()}) {
    ResultFixture g;
    g.doc.m_lastResultIndex = 0;
    g.doc.m_smoothed[kEngStrain] = {v};
    g.doc.m_smoothed[kEngStress] = {v};
    std::vector<char> want(700);
    std::snprintf(want.data(), want.size(), "%.5f %.5f\n", v, v);
    EXPECT_EQ(FormatResultRows(g.doc, 2), std::string(want.data())) << v;
  }
}

TEST(ResultFile, RowCountFollowsTheLastResultIndexWithinTheCurves) {
  ResultFixture f;
  f.doc.m_lastResultIndex = 1;  // after a cut: N + 1 rows
  EXPECT_EQ(FormatResultRows(f.doc, 2), "0.00000 0.00000\n0.00123 150.12346\n");
  f.doc.m_lastResultIndex = -1;
  EXPECT_EQ(FormatResultRows(f.doc, 3), "");
  // An index past the curves never reads past them.
  f.doc.m_lastResultIndex = 10;
  f.doc.m_smoothed[kEngStrainRate].resize(2);
  EXPECT_EQ(FormatResultRows(f.doc, 3),
            "0.00000 0.00000 1000.00000\n0.00123 150.12346 -2500.50000\n");
}

TEST(ResultFile, DecimalCommaLocaleKeepsThePoint) {
  CLocaleAfterwards restore;
  if (!UseDecimalCommaLocale()) GTEST_SKIP() << "no decimal-comma locale on this machine";
  ResultFixture f;
  EXPECT_EQ(FormatResultRows(f.doc, 2), "0.00000 0.00000\n0.00123 150.12346\n0.25000 -0.00000\n");
}

TEST(ResultFile, NamesAndWrittenFiles) {
  EXPECT_EQ(ResultFileName("/D/Tests/A12.DAT", 3), "/D/Tests/a12.DT3");
  EXPECT_EQ(ResultFileName("/c/tests/a.isf", 2), "/c/tests/a.isf.DT2");

  TempDir dir;
  ResultFixture f;
  const std::string path = (dir.path() / "a12.DT3").string();
  ASSERT_TRUE(WriteResultFile(path, f.doc, 3).ok);
  EXPECT_EQ(ReadBytes(path), FormatResultRows(f.doc, 3));
  // A negative last result index still creates the file, empty.
  f.doc.m_lastResultIndex = -1;
  ASSERT_TRUE(WriteResultFile(path, f.doc, 3).ok);
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(ReadBytes(path), "");
}

}  // namespace
}  // namespace velk
