#pragma once
// Reading a result file (.DT2, .DT3, .DT4, see result_file.h) back as a stress–strain curve, for
// comparing repeat tests: its first column is the strain, its second the stress in MPa; a third
// column (strain rate) is read over. Whether the curve is engineering or true follows from the
// file's kind, which the caller knows from the extension.

#include <string>
#include <string_view>
#include <vector>

#include "analysis/comparison.h"

namespace velk {

struct [[nodiscard]] ResultCurveRead {
  StressStrainCurve curve;
  std::string message;  // empty on success; a source text with %1, %2 for args
  std::vector<std::string> args;
  bool ok() const { return message.empty(); }
};

// The curve in text, named name. Every line that is not blank holds two or three numbers;
// anything else is refused with the line's number, as is a text without a single point.
ResultCurveRead ParseResultCurve(std::string_view text, const std::string& name);

// The file at path, named by its file name.
ResultCurveRead ReadResultCurve(const std::string& path);

// Whether a result file's extension names true curves (".DT4", any case).
bool IsTrueResultFile(const std::string& path);

}  // namespace velk
