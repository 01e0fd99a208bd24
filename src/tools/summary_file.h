#pragma once
// The summary values of a test as files for scripts: one JSON object, or a CSV header and a row
// with the same names. The names are fixed; scripts rely on them.

#include <optional>
#include <string>
#include <vector>

#include "analysis/summary.h"
#include "record/file_io.h"
#include "tools/json_text.h"

namespace velk {

struct ResultUncertainty;

// Strain as written in the flow-stress keys: the shortest text that reads back as the value
// ("0.05", "0.1").
std::string StrainKey(double strain);

// The summary object: peak_stress_mpa ... energy_mj_per_m3, then forces (time_us, front_kn,
// back_kn, ratio arrays; ratio null where undefined). An empty value is null.
Json SummaryToJson(const Summary& s, const ForceBalance& f);

// The CSV columns, without forces: the JSON's names, nested ones joined by "_"
// (flow_stress_mpa_0.05, plateau_rate_mean, equilibrium_time_us ...). Empty cells for empty values.
std::vector<std::string> SummaryCsvNames(const std::vector<double>& flowStrains);
std::vector<std::string> SummaryCsvCells(const Summary& s);
// The same values as numbers, in the same order.
std::vector<std::optional<double>> SummaryValues(const Summary& s);

// Cells joined by commas; a cell holding a comma, quote or line break is quoted.
std::string CsvLine(const std::vector<std::string>& cells);

// The JSON (one line) or the CSV (header and row), chosen by the extension ".csv" (any case).
// The JSON gains "uncertainty" when an uncertainty run is given.
FileResult WriteSummaryFile(const std::string& path, const Summary& s, const ForceBalance& f,
                            const std::vector<double>& flowStrains,
                            const ResultUncertainty* uncertainty = nullptr);

}  // namespace velk
