#pragma once
// The tests of a comparison window, without any window: each with its engineering and true
// stress–strain curves where it has them, the kind of curve compared, and the mean of that kind.
//
// Tests come from open records (FromRecord) and from result files (FromResultFile). A session
// file (.velks) needs no reader of its own here: replay it headless into a CVelkDoc and pass that
// to FromRecord, named after the session file; the window's "添加文件" prompt then offers the
// session extension beside the result files, and CCompareDlg::AddFile picks the reader by the
// extension.

#include <optional>
#include <string>
#include <vector>

#include "analysis/comparison.h"

namespace velk {

class CVelkDoc;

struct ComparedTest {
  std::string name;
  std::optional<StressStrainCurve> engineering;
  std::optional<StressStrainCurve> trueCurve;
};

// The record's smoothed result curves over 0..last result index (those the result files hold);
// nullopt when nothing was computed.
std::optional<ComparedTest> FromRecord(const CVelkDoc& doc, const std::string& name);

// A result file's curve, named by the file name without its extension: ".DT4" files hold true
// curves, the other kinds engineering ones. On failure the message (source text, %1 %2 for args)
// is set and nullopt returned.
std::optional<ComparedTest> FromResultFile(const std::string& path, std::string& message,
                                           std::vector<std::string>& args);

class ComparisonSet {
 public:
  // A test of a name already listed fills in the curves that test lacks (a.DT2 and a.DT4 make
  // one test "a"); otherwise it is added at the end.
  void Add(ComparedTest t);
  void Remove(std::size_t index);
  const std::vector<ComparedTest>& tests() const { return m_tests; }

  void SetTrueCurves(bool on) { m_trueCurves = on; }
  bool trueCurves() const { return m_trueCurves; }

  // The chosen kind's curves of the tests that have it, in the list's order.
  std::vector<StressStrainCurve> Curves() const;
  // The names of tests without a curve of the chosen kind.
  std::vector<std::string> Missing() const;
  MeanCurveResult Mean() const { return ComputeMeanCurve(Curves()); }

 private:
  std::vector<ComparedTest> m_tests;
  bool m_trueCurves = false;
};

}  // namespace velk
