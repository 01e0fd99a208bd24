// The comparison window's tests without the window: curves from a record and from the result
// files it writes, engineering and true files of one test joined, and the kind switched.

#include "tools/comparison_set.h"

#include <gtest/gtest.h>

#include "../record/test_files.h"
#include "record/velk_doc.h"
#include "tools/result_file.h"

namespace velk {
namespace {

struct Computed {
  Workspace ws;
  CVelkDoc doc{ws};
  explicit Computed(double scale) {
    ws.Set(kResultsComputed);
    doc.m_lastResultIndex = 2;
    // A fourth point past the last result index is not part of the results.
    doc.m_smoothed[kEngStrain] = {0.0, 0.01, 0.02, 0.5};
    doc.m_smoothed[kEngStress] = {0.0, 100 * scale, 150 * scale, 999};
    doc.m_smoothed[kTrueStrain] = {0.0, 0.011, 0.021, 0.5};
    doc.m_smoothed[kTrueStress] = {0.0, 101 * scale, 152 * scale, 999};
    doc.m_smoothed[kEngStrainRate] = doc.m_smoothed[kTrueStrainRate] = {1, 1, 1, 1};
    for (auto& c : doc.m_computed) c = {7, 7, 7, 7};  // never what is compared
  }
};

TEST(ComparisonSet, TakesRecordsAndTheirResultFilesAndJoinsAKindsFiles) {
  Computed a(1.0), b(1.2);
  const auto fromRecord = FromRecord(a.doc, "A");
  ASSERT_TRUE(fromRecord.has_value());
  EXPECT_EQ(fromRecord->engineering->strain, (std::vector<double>{0.0, 0.01, 0.02}));
  EXPECT_EQ(fromRecord->engineering->stress, (std::vector<double>{0.0, 100, 150}));
  EXPECT_EQ(fromRecord->trueCurve->stress, (std::vector<double>{0.0, 101, 152}));
  a.ws.Clear(kResultsComputed);
  EXPECT_FALSE(FromRecord(a.doc, "A").has_value()) << "nothing computed";
  a.ws.Set(kResultsComputed);

  TempDir dir;
  const std::string files[] = {(dir.path() / "a.DT2").string(), (dir.path() / "a.DT4").string(),
                               (dir.path() / "b.DT3").string()};
  ASSERT_TRUE(WriteResultFile(files[0], a.doc, 2));
  ASSERT_TRUE(WriteResultFile(files[1], a.doc, 4));
  ASSERT_TRUE(WriteResultFile(files[2], b.doc, 3));
  ComparisonSet set;
  std::string message;
  std::vector<std::string> args;
  for (const std::string& f : files) {
    auto t = FromResultFile(f, message, args);
    ASSERT_TRUE(t.has_value()) << f << ": " << message;
    set.Add(std::move(*t));
  }
  ASSERT_EQ(set.tests().size(), 2u) << "a.DT2 and a.DT4 are one test";
  EXPECT_EQ(set.tests()[0].name, "a");
  EXPECT_EQ(set.tests()[0].trueCurve->stress, (std::vector<double>{0.0, 101, 152}));

  const MeanCurveResult eng = set.Mean();
  ASSERT_TRUE(eng.ok()) << eng.message;
  EXPECT_EQ(eng.curve.n, 2);
  EXPECT_NEAR(eng.curve.mean.back(), 165.0, 1e-9);  // 150 and 180 at strain 0.02
  EXPECT_TRUE(set.Missing().empty());

  set.SetTrueCurves(true);
  EXPECT_EQ(set.Curves().size(), 1u);
  EXPECT_EQ(set.Missing(), (std::vector<std::string>{"b"}));
  EXPECT_EQ(set.Mean().message, "对比至少需要两条曲线。");
  ASSERT_TRUE(WriteResultFile((dir.path() / "b.DT4").string(), b.doc, 4));
  set.Add(*FromResultFile((dir.path() / "b.DT4").string(), message, args));
  EXPECT_EQ(set.tests().size(), 2u) << "b's true curve joins its engineering file";
  EXPECT_TRUE(set.Mean().ok());
  set.Remove(0);
  set.Remove(5);
  EXPECT_EQ(set.tests().size(), 1u);

  EXPECT_FALSE(FromResultFile((dir.path() / "none.DT2").string(), message, args));
  EXPECT_EQ(message, "Open file %1 fault!");
}

}  // namespace
}  // namespace velk
