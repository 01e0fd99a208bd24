#pragma once
// CSV text as a spreadsheet writes it: records of cells separated by commas, a cell in double
// quotes may hold commas, line breaks and doubled quotes; CR LF or LF ends a record.

#include <string>
#include <string_view>
#include <vector>

namespace velk {

using CsvRecord = std::vector<std::string>;

// Every record of text; a final line break does not start an empty record. An unterminated
// quote runs to the end of the text.
std::vector<CsvRecord> ParseCsv(std::string_view text);

}  // namespace velk
