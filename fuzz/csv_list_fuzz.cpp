// The batch list's CSV reader on fuzzed text: every record written back by the summary's CSV
// writer reads back to the same cells, and the reader never reads past the text.
#include <cstdint>
#include <string>

#include "fuzz_input.h"
#include "tools/csv_records.h"
#include "tools/summary_file.h"
#include "wave_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velk;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::vector<CsvRecord> records = ParseCsv(text);
  std::string written;
  for (const CsvRecord& r : records) written += CsvLine(r);
  const std::vector<CsvRecord> again = ParseCsv(written);
  // A record of one empty cell is written as an empty line, which reads back the same.
  if (again != records) fuzz::Fail("records changed through the CSV writer");
  return 0;
}
