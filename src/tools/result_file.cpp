#include "tools/result_file.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "record/param_file.h"
#include "record/velk_doc.h"

namespace velk {

std::string ResultExtension(int kind) {
  switch (kind) {
    case 2:
      return ".DT2";
    case 3:
      return ".DT3";
    default:
      return ".DT4";
  }
}

std::string ResultFileName(const std::string& recordPath, int kind) {
  return DerivedFileName(recordPath, ResultExtension(kind));
}

std::string FormatResultRows(const CVelkDoc& doc, int kind) {
  std::vector<const std::vector<double>*> columns;
  const auto& s = doc.m_smoothed;
  switch (kind) {
    case 2:
      columns = {&s[kEngStrain], &s[kEngStress]};
      break;
    case 3:
      columns = {&s[kEngStrain], &s[kEngStress], &s[kEngStrainRate]};
      break;
    case 4:
      columns = {&s[kTrueStrain], &s[kTrueStress], &s[kTrueStrainRate]};
      break;
    default:
      return {};
  }
  if (doc.m_lastResultIndex < 0) return {};
  std::size_t rows = static_cast<std::size_t>(doc.m_lastResultIndex) + 1;
  for (const auto* c : columns) rows = std::min(rows, c->size());

  std::string out;
  out.reserve(rows * columns.size() * 14);
  // Large enough for "%.5f" of the largest double: sign, 309 digits, point, five decimals.
  char buf[330];
  for (std::size_t i = 0; i < rows; ++i) {
    for (std::size_t k = 0; k < columns.size(); ++k) {
      if (k > 0) out += ' ';
      // "%.5f" in the C locale, minus sign kept on a negative value that rounds to zero.
      const auto r =
          std::to_chars(buf, buf + sizeof buf, (*columns[k])[i], std::chars_format::fixed, 5);
      out.append(buf, r.ptr);
    }
    out += '\n';
  }
  return out;
}

FileResult WriteResultFile(const std::string& path, const CVelkDoc& doc, int kind) {
  return WriteFileAtomically(path, FormatResultRows(doc, kind));
}

}  // namespace velk
