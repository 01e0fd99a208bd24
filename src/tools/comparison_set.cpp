#include "tools/comparison_set.h"

#include <filesystem>

#include "analysis/summary.h"
#include "record/velk_doc.h"
#include "tools/result_curve_reader.h"

namespace velk {

std::optional<ComparedTest> FromRecord(const CVelkDoc& doc, const std::string& name) {
  const ResultCurves eng = CurvesOf(doc);
  if (eng.stress.empty()) return std::nullopt;
  const std::size_t n = eng.stress.size();
  auto cut = [n](const std::vector<double>& v) {
    return std::vector<double>(v.begin(),
                               v.begin() + static_cast<std::ptrdiff_t>(std::min(n, v.size())));
  };
  ComparedTest t;
  t.name = name;
  t.engineering = StressStrainCurve{
      name, {eng.strain.begin(), eng.strain.end()}, {eng.stress.begin(), eng.stress.end()}};
  t.trueCurve =
      StressStrainCurve{name, cut(doc.m_smoothed[kTrueStrain]), cut(doc.m_smoothed[kTrueStress])};
  return t;
}

std::optional<ComparedTest> FromResultFile(const std::string& path, std::string& message,
                                           std::vector<std::string>& args) {
  ResultCurveRead r = ReadResultCurve(path);
  if (!r.ok()) {
    message = r.message;
    args = r.args;
    return std::nullopt;
  }
  ComparedTest t;
  t.name = std::filesystem::path(path).stem().string();
  r.curve.name = t.name;
  (IsTrueResultFile(path) ? t.trueCurve : t.engineering) = std::move(r.curve);
  return t;
}

void ComparisonSet::Add(ComparedTest t) {
  for (ComparedTest& have : m_tests) {
    if (have.name != t.name) continue;
    if ((t.engineering && have.engineering) || (t.trueCurve && have.trueCurve)) continue;
    if (t.engineering) have.engineering = std::move(t.engineering);
    if (t.trueCurve) have.trueCurve = std::move(t.trueCurve);
    return;
  }
  m_tests.push_back(std::move(t));
}

void ComparisonSet::Remove(std::size_t index) {
  if (index < m_tests.size()) m_tests.erase(m_tests.begin() + static_cast<std::ptrdiff_t>(index));
}

std::vector<StressStrainCurve> ComparisonSet::Curves() const {
  std::vector<StressStrainCurve> out;
  for (const ComparedTest& t : m_tests) {
    const auto& c = m_trueCurves ? t.trueCurve : t.engineering;
    if (c) out.push_back(*c);
  }
  return out;
}

std::vector<std::string> ComparisonSet::Missing() const {
  std::vector<std::string> out;
  for (const ComparedTest& t : m_tests) {
    if (!(m_trueCurves ? t.trueCurve : t.engineering)) out.push_back(t.name);
  }
  return out;
}

}  // namespace velk
