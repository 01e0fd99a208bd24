#include "tools/csv_records.h"

namespace velk {

std::vector<CsvRecord> ParseCsv(std::string_view text) {
  std::vector<CsvRecord> records;
  CsvRecord record;
  std::string cell;
  bool quoted = false;
  auto endRecord = [&] {
    record.push_back(std::move(cell));
    cell.clear();
    records.push_back(std::move(record));
    record.clear();
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c != '"') {
        cell += c;
      } else if (i + 1 < text.size() && text[i + 1] == '"') {
        cell += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      record.push_back(std::move(cell));
      cell.clear();
    } else if (c == '\n') {
      endRecord();
    } else if (c != '\r') {
      cell += c;
    }
  }
  if (!cell.empty() || !record.empty() || quoted) endRecord();
  return records;
}

}  // namespace velk
