#include "tools/result_curve_reader.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "record/c_number.h"
#include "record/file_io.h"
#include "record/tr_noop.h"

namespace velk {

namespace {

ResultCurveRead Refused(const char* message, std::vector<std::string> args) {
  ResultCurveRead r;
  r.message = message;
  r.args = std::move(args);
  return r;
}

}  // namespace

ResultCurveRead ParseResultCurve(std::string_view text, const std::string& name) {
  ResultCurveRead r;
  r.curve.name = name;
  std::size_t lineNumber = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t eol = std::min(text.find('\n', at), text.size());
    const char* p = text.data() + at;
    const char* end = text.data() + eol;
    at = eol + 1;
    ++lineNumber;
    double v[3];
    int count = 0;
    while (count < 3 && ScanDouble(p, end, v[count])) ++count;
    while (p < end && IsCSpace(*p)) ++p;
    if (count == 0 && p == end) continue;  // a blank line
    if (count < 2 || p != end) {
      return Refused(VELK_TRANSLATE_NOOP("velk", "%1 的第 %2 行不是结果数据。"),
                     {name, std::to_string(lineNumber)});
    }
    r.curve.strain.push_back(v[0]);
    r.curve.stress.push_back(v[1]);
  }
  if (r.curve.strain.empty())
    return Refused(VELK_TRANSLATE_NOOP("velk", "%1 中没有结果数据。"), {name});
  return r;
}

ResultCurveRead ReadResultCurve(const std::string& path) {
  std::string text;
  if (!ReadWholeFile(path, text))
    return Refused(VELK_TRANSLATE_NOOP("velk", "Open file %1 fault!"), {path});
  return ParseResultCurve(text, std::filesystem::path(path).filename().string());
}

bool IsTrueResultFile(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return ext == ".DT4";
}

}  // namespace velk
