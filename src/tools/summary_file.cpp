#include "tools/summary_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "tools/uncertainty_json.h"

namespace velk {

namespace {

Json Optional(const std::optional<double>& v) { return v ? Json(*v) : Json(nullptr); }

std::string Cell(const std::optional<double>& v) { return v ? ExactNumber(*v) : std::string(); }

bool EndsWithCsv(const std::string& path) {
  if (path.size() < 4) return false;
  std::string ext = path.substr(path.size() - 4);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return std::tolower(c); });
  return ext == ".csv";
}

}  // namespace

std::string StrainKey(double strain) {
  char buf[40];
  const auto r = std::to_chars(buf, buf + sizeof buf, strain);
  return std::string(buf, r.ptr);
}

Json SummaryToJson(const Summary& s, const ForceBalance& f) {
  Json j;
  j["peak_stress_mpa"] = s.peakStressMpa;
  j["strain_at_peak"] = s.strainAtPeak;
  j["max_strain"] = s.maxStrain;
  Json flow = Json::object();
  for (const FlowStress& fs : s.flowStress) flow[StrainKey(fs.strain)] = Optional(fs.stressMpa);
  j["flow_stress_mpa"] = flow;
  j["yield_stress_mpa"] = s.yield ? Json(s.yield->stressMpa) : Json(nullptr);
  j["apparent_modulus_mpa"] = s.yield ? Json(s.yield->modulusMpa) : Json(nullptr);
  if (s.plateau) {
    j["plateau_rate"] = {{"mean", s.plateau->mean},
                         {"std", s.plateau->std},
                         {"start_strain", s.plateau->startStrain},
                         {"end_strain", s.plateau->endStrain}};
  } else {
    j["plateau_rate"] = nullptr;
  }
  if (s.equilibrium) {
    j["equilibrium"] = {{"time_us", s.equilibrium->timeUs}, {"strain", s.equilibrium->strain}};
  } else {
    j["equilibrium"] = nullptr;
  }
  j["energy_mj_per_m3"] = s.energyMjPerM3;
  // NaN ratios are written as null by the dumper.
  j["forces"] = {
      {"time_us", f.timeUs}, {"front_kn", f.frontKn}, {"back_kn", f.backKn}, {"ratio", f.ratio}};
  return j;
}

std::vector<std::string> SummaryCsvNames(const std::vector<double>& flowStrains) {
  std::vector<std::string> n = {"peak_stress_mpa", "strain_at_peak", "max_strain"};
  for (double e : flowStrains) n.push_back("flow_stress_mpa_" + StrainKey(e));
  for (const char* k : {"yield_stress_mpa", "apparent_modulus_mpa", "plateau_rate_mean",
                        "plateau_rate_std", "plateau_rate_start_strain", "plateau_rate_end_strain",
                        "equilibrium_time_us", "equilibrium_strain", "energy_mj_per_m3"}) {
    n.push_back(k);
  }
  return n;
}

std::vector<std::optional<double>> SummaryValues(const Summary& s) {
  std::vector<std::optional<double>> v = {s.peakStressMpa, s.strainAtPeak, s.maxStrain};
  for (const FlowStress& fs : s.flowStress) v.push_back(fs.stressMpa);
  const auto& y = s.yield;
  v.push_back(y ? std::optional(y->stressMpa) : std::nullopt);
  v.push_back(y ? std::optional(y->modulusMpa) : std::nullopt);
  const auto& p = s.plateau;
  for (double PlateauRate::*m : {&PlateauRate::mean, &PlateauRate::std, &PlateauRate::startStrain,
                                 &PlateauRate::endStrain}) {
    v.push_back(p ? std::optional((*p).*m) : std::nullopt);
  }
  const auto& e = s.equilibrium;
  v.push_back(e ? std::optional(e->timeUs) : std::nullopt);
  v.push_back(e ? std::optional(e->strain) : std::nullopt);
  v.push_back(s.energyMjPerM3);
  return v;
}

std::vector<std::string> SummaryCsvCells(const Summary& s) {
  std::vector<std::string> c;
  for (const auto& v : SummaryValues(s)) c.push_back(Cell(v));
  return c;
}

std::string CsvLine(const std::vector<std::string>& cells) {
  std::string out;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) out += ',';
    const std::string& c = cells[i];
    if (c.find_first_of(",\"\r\n") == std::string::npos) {
      out += c;
      continue;
    }
    out += '"';
    for (char ch : c) {
      if (ch == '"') out += '"';
      out += ch;
    }
    out += '"';
  }
  out += '\n';
  return out;
}

FileResult WriteSummaryFile(const std::string& path, const Summary& s, const ForceBalance& f,
                            const std::vector<double>& flowStrains,
                            const ResultUncertainty* uncertainty) {
  if (EndsWithCsv(path)) {
    return WriteFileAtomically(path,
                               CsvLine(SummaryCsvNames(flowStrains)) + CsvLine(SummaryCsvCells(s)));
  }
  Json j = SummaryToJson(s, f);
  if (uncertainty != nullptr) j["uncertainty"] = UncertaintyToJson(*uncertainty);
  return WriteFileAtomically(path, JsonText(j) + "\n");
}

}  // namespace velk
