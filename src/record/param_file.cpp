#include "record/param_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <limits>
#include <optional>
#include <vector>

#include "record/bar_table.h"
#include "record/bar_values.h"
#include "record/c_number.h"
#include "record/text_lines.h"
#include "record/tr_noop.h"

namespace velk {

namespace {

// "%f": six decimals, no exponent; the same text as printf in the C locale whatever the locale.
void AppendFixed6(std::string& out, double v) {
  char buf[400];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 6);
  out.append(buf, r.ptr);
  out += ' ';
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

// Reads floats in order into the targets until one fails to convert.
struct FloatTarget {
  float* f = nullptr;
  double* d = nullptr;
};

void ReadFloats(std::string_view line, const std::vector<FloatTarget>& targets) {
  const char* p = line.data();
  const char* const end = p + line.size();
  for (const FloatTarget& t : targets) {
    float v = 0;
    if (!ScanFloat(p, end, v)) return;
    if (t.f) *t.f = v;
    if (t.d) *t.d = static_cast<double>(v);
  }
}

}  // namespace

namespace {

void SyncInterval(TestParameters& p) {
  if (p.samplingMhz != 0.0f && std::isfinite(p.samplingMhz)) {
    p.sampleIntervalUs = 1.0 / static_cast<double>(p.samplingMhz);
  }
}

// The three lines, from the parameters as they stand.
std::string FormatLines(const TestParameters& p) {
  const ChannelSlots& inc = p.channel[kIncident];
  const ChannelSlots& tr = p.channel[kTransmitted];
  std::string out;
  out.reserve(256);
  for (double v : {static_cast<double>(p.barWaveSpeedMs), static_cast<double>(p.barModulusMpa),
                   p.barAreaMm2, inc.factor, tr.factor, inc.bridgeVoltage, inc.gainOrStaticStrain,
                   inc.gaugeFactor, inc.armsOrHeight, tr.bridgeVoltage, tr.gainOrStaticStrain,
                   tr.gaugeFactor, tr.armsOrHeight}) {
    AppendFixed6(out, v);
  }
  out += '\n';
  for (double v :
       {static_cast<double>(p.specimenDiameterMm), static_cast<double>(p.specimenThicknessMm),
        static_cast<double>(p.impactedDiameterMm), static_cast<double>(p.impactedLengthMm),
        p.sampleIntervalUs, static_cast<double>(p.strikerVelocityMs), p.strikeBarVelocityMs}) {
    AppendFixed6(out, v);
  }
  out += '\n';
  for (int v : p.windowIndices) {
    out += std::to_string(v);
    out += ' ';
  }
  out += '\n';
  return out;
}

void AppendKey(std::string& out, const char* key, double v) {
  out += key;
  out += '=';
  AppendFixed6(out, v);
}

// The fourth line: what the three lines cannot hold.
std::string FormatExtras(const TestParameters& p) {
  std::string out;
  AppendKey(out, "bar_nu", p.barPoisson);
  AppendKey(out, "bar_d", p.barDiameterMm);
  out += p.trBarDiffers ? "tr=1 " : "tr=0 ";
  if (p.trBarDiffers) {
    AppendKey(out, "tr_c", p.trBarWaveSpeedMs);
    AppendKey(out, "tr_e", p.trBarModulusMpa);
    AppendKey(out, "tr_a", p.trBarAreaMm2);
    AppendKey(out, "tr_nu", p.trBarPoisson);
    AppendKey(out, "tr_d", p.trBarDiameterMm);
  }
  AppendKey(out, "gauge_inc", p.incGaugeDistanceMm);
  AppendKey(out, "gauge_tr", p.trGaugeDistanceMm);
  if (p.dispersionCorrection) out += "dispersion=1 ";
  out += '\n';
  return out;
}

// The value v as a parameter file holds it: written with "%f", read back as a float.
float AsFileHolds(double v) {
  std::string text;
  AppendFixed6(text, v);
  const char* q = text.data();
  float f = 0;
  return ScanFloat(q, q + text.size(), f) ? f : std::numeric_limits<float>::quiet_NaN();
}

// Values of the fourth line by key; keys not given are absent.
struct Extras {
  std::vector<std::pair<std::string, float>> values;
  std::optional<float> Get(std::string_view key) const {
    for (const auto& [k, v] : values) {
      if (k == key) return v;
    }
    return std::nullopt;
  }
};

Extras ParseExtras(std::string_view line) {
  Extras x;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    const std::string_view pair = line.substr(start, i - start);
    const std::size_t eq = pair.find('=');
    if (eq == std::string_view::npos || eq == 0) continue;
    const std::string_view value = pair.substr(eq + 1);
    const char* q = value.data();
    float f = 0;
    // The whole value must convert; a damaged pair is skipped like an unknown key.
    if (ScanFloat(q, value.data() + value.size(), f) && q == value.data() + value.size()) {
      x.values.emplace_back(std::string(pair.substr(0, eq)), f);
    }
  }
  return x;
}

// A bar value the file can carry: the "%f" layout writes anything below a millionth as 0.000000,
// so a bar made of such a value would not be the bar the saved file chooses again.
bool Usable(float v) { return std::isfinite(v) && v >= 1e-6f; }

// The library row that holds this bar, or a new session row.
int MaterialRow(BarLibrary& bars, float c, float e, float nu, const std::string& name) {
  const auto& rows = bars.Materials();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (AsFileHolds(rows[i].waveSpeedMs) == c && AsFileHolds(rows[i].modulusMpa) == e) {
      return static_cast<int>(i);
    }
  }
  return bars.AddSessionMaterial(name, c, e, nu);
}

int DiameterRow(BarLibrary& bars, double area, const std::string& name) {
  const auto& rows = bars.Diameters();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (AsFileHolds(rows[i].areaMm2) == static_cast<float>(area)) return static_cast<int>(i);
  }
  return bars.AddSessionDiameter(name, area);
}

// Indices as the two-bar-type program derives them: the material by its exact wave speed, the
// diameter by its whole square millimetres, the last row when none matches.
void DeriveTableIndices(TestParameters& p) {
  const auto materials = BarMaterials();
  p.barMaterialIndex = static_cast<int>(materials.size()) - 1;
  for (std::size_t i = 0; i < materials.size(); ++i) {
    if (p.barWaveSpeedMs == materials[i].waveSpeedMs) {
      p.barMaterialIndex = static_cast<int>(i);
      break;
    }
  }
  // Areas are matched by their whole square millimetres, so a hand-typed 5026.5 still means 80 mm.
  const auto diameters = BarDiameters();
  p.barDiameterIndex = static_cast<int>(diameters.size()) - 1;
  for (std::size_t i = 0; i < diameters.size(); ++i) {
    if (std::trunc(p.barAreaMm2) == std::trunc(diameters[i].areaMm2)) {
      p.barDiameterIndex = static_cast<int>(i);
      break;
    }
  }
}

// Lines 1 to 3 into p (numbers only; no bar rows are chosen).
void ParseLines(const std::string_view line[3], TestParameters& p) {
  ChannelSlots& inc = p.channel[kIncident];
  ChannelSlots& tr = p.channel[kTransmitted];
  ReadFloats(line[0], {{&p.barWaveSpeedMs, nullptr},
                       {&p.barModulusMpa, nullptr},
                       {nullptr, &p.barAreaMm2},
                       {nullptr, &inc.factor},
                       {nullptr, &tr.factor},
                       {nullptr, &inc.bridgeVoltage},
                       {nullptr, &inc.gainOrStaticStrain},
                       {nullptr, &inc.gaugeFactor},
                       {nullptr, &inc.armsOrHeight},
                       {nullptr, &tr.bridgeVoltage},
                       {nullptr, &tr.gainOrStaticStrain},
                       {nullptr, &tr.gaugeFactor},
                       {nullptr, &tr.armsOrHeight}});

  const double previousInterval = p.sampleIntervalUs;
  ReadFloats(line[1], {{&p.specimenDiameterMm, nullptr},
                       {&p.specimenThicknessMm, nullptr},
                       {&p.impactedDiameterMm, nullptr},
                       {&p.impactedLengthMm, nullptr},
                       {nullptr, &p.sampleIntervalUs},
                       {&p.strikerVelocityMs, nullptr},
                       {nullptr, &p.strikeBarVelocityMs}});
  // A zero or non-finite interval would make the frequency infinite or meaningless: keep the
  // interval and frequency the test had, so nothing later divides by zero.
  const double frequency = 1.0 / p.sampleIntervalUs;
  if (std::isfinite(p.sampleIntervalUs) && std::isfinite(frequency) &&
      std::fabs(frequency) <= std::numeric_limits<float>::max() &&
      static_cast<float>(frequency) != 0.0f) {
    p.samplingMhz = static_cast<float>(frequency);
  } else {
    p.sampleIntervalUs = previousInterval;
  }

  const char* q = line[2].data();
  const char* const end = q + line[2].size();
  for (int& w : p.windowIndices) {
    if (!ScanIntAuto(q, end, w)) break;
  }
}

}  // namespace

std::string FormatParameterFile(TestParameters& p) {
  const auto materials = BarMaterials();
  const auto diameters = BarDiameters();
  const int m = (p.barMaterialIndex >= 0 && p.barMaterialIndex < static_cast<int>(materials.size()))
                    ? p.barMaterialIndex
                    : static_cast<int>(materials.size()) - 1;
  const int d = (p.barDiameterIndex >= 0 && p.barDiameterIndex < static_cast<int>(diameters.size()))
                    ? p.barDiameterIndex
                    : static_cast<int>(diameters.size()) - 1;
  p.barWaveSpeedMs = materials[m].waveSpeedMs;
  p.barModulusMpa = materials[m].modulusMpa;
  p.barAreaMm2 = diameters[d].areaMm2;
  SyncInterval(p);
  return FormatLines(p);
}

std::string FormatParameterFile(Workspace& ws) {
  TestParameters& p = ws.params;
  ApplyBarRows(p, ws.bars);
  SyncInterval(p);
  std::string out = FormatLines(p);
  if (p.trBarDiffers || !OnBuiltInBars(p, ws.bars) || p.incGaugeDistanceMm != 0.0f ||
      p.trGaugeDistanceMm != 0.0f || p.dispersionCorrection) {
    out += FormatExtras(p);
  }
  return out;
}

void ParseParameterFile(std::string_view text, TestParameters& p) {
  LineReader lines(text);
  std::string_view line[3];
  for (std::string_view& l : line) {
    if (!lines.Next(l)) break;
  }
  ParseLines(line, p);
  DeriveTableIndices(p);
}

void ParseParameterFile(std::string_view text, Workspace& ws, const std::string& sourceName) {
  TestParameters& p = ws.params;
  LineReader lines(text);
  std::string_view line[4];
  for (std::string_view& l : line) {
    if (!lines.Next(l)) break;
  }
  ParseLines(line, p);
  const Extras x = ParseExtras(line[3]);
  const float nu = x.Get("bar_nu").value_or(0.29f);
  const float area = static_cast<float>(p.barAreaMm2);
  if (Usable(p.barWaveSpeedMs) && Usable(p.barModulusMpa) && Usable(area) && nu >= 0 && nu < 0.5f) {
    p.barMaterialIndex = MaterialRow(ws.bars, p.barWaveSpeedMs, p.barModulusMpa, nu, sourceName);
    p.barDiameterIndex = DiameterRow(ws.bars, p.barAreaMm2, sourceName);
  } else {
    // Nothing to make a bar of: choose as the two-bar-type program did.
    DeriveTableIndices(p);
  }
  const auto trC = x.Get("tr_c"), trE = x.Get("tr_e"), trA = x.Get("tr_a");
  const float trNu = x.Get("tr_nu").value_or(0.29f);
  p.trBarDiffers = x.Get("tr").value_or(0.0f) == 1.0f && trC && trE && trA && Usable(*trC) &&
                   Usable(*trE) && Usable(*trA) && trNu >= 0 && trNu < 0.5f;
  if (p.trBarDiffers) {
    p.trBarWaveSpeedMs = *trC;
    p.trBarModulusMpa = *trE;
    p.trBarAreaMm2 = *trA;
    p.trBarMaterialIndex = MaterialRow(ws.bars, *trC, *trE, trNu, sourceName);
    p.trBarDiameterIndex = DiameterRow(ws.bars, *trA, sourceName);
  }
  p.incGaugeDistanceMm = x.Get("gauge_inc").value_or(0.0f);
  p.trGaugeDistanceMm = x.Get("gauge_tr").value_or(0.0f);
  p.dispersionCorrection = x.Get("dispersion").value_or(0.0f) == 1.0f;
  // The rows' Poisson's ratios and diameters; the wave speeds, moduli and areas stay as the file
  // gave them until the computation takes the rows' own values.
  TestParameters rows = p;
  ApplyBarRows(rows, ws.bars);
  p.barPoisson = rows.barPoisson;
  p.barDiameterMm = rows.barDiameterMm;
  p.trBarPoisson = rows.trBarPoisson;
  p.trBarDiameterMm = rows.trBarDiameterMm;
  if (!p.trBarDiffers) {
    p.trBarMaterialIndex = p.barMaterialIndex;
    p.trBarDiameterIndex = p.barDiameterIndex;
    p.trBarWaveSpeedMs = p.barWaveSpeedMs;
    p.trBarModulusMpa = p.barModulusMpa;
    p.trBarAreaMm2 = p.barAreaMm2;
  }
}

FileResult StoreParameterFile(const std::string& path, TestParameters& p) {
  return WriteFileAtomically(path, FormatParameterFile(p));
}

FileResult StoreParameterFile(const std::string& path, Workspace& ws) {
  return WriteFileAtomically(path, FormatParameterFile(ws));
}

FileResult LoadParameterFile(const std::string& path, Workspace& ws) {
  std::string text;
  if (!ReadWholeFile(path, text))
    return FileResult::Failure(VELK_TRANSLATE_NOOP("velk", "打开文档失败。"));
  ParseParameterFile(text, ws, std::filesystem::path(path).filename().string());
  return {};
}

FileResult LoadParameterFile(const std::string& path, TestParameters& p) {
  std::string text;
  if (!ReadWholeFile(path, text))
    return FileResult::Failure(VELK_TRANSLATE_NOOP("velk", "打开文档失败。"));
  ParseParameterFile(text, p);
  return {};
}

std::string DerivedFileName(const std::string& recordPath, std::string_view extension) {
  const std::size_t slash = recordPath.find_last_of('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  std::string name = recordPath.substr(nameStart);
  // Only ASCII letters are lowered; bytes of multi-byte characters stay as they are.
  std::transform(name.begin(), name.end(), name.begin(), LowerAscii);
  const std::size_t dat = name.find(".dat");
  if (dat != std::string::npos) name.erase(dat, 4);
  return recordPath.substr(0, nameStart) + name + std::string(extension);
}

std::string ParameterFileName(const std::string& recordPath) {
  return DerivedFileName(recordPath, ".PAT");
}

std::optional<std::string> FindParameterFileBeside(const std::string& recordPath) {
  namespace fs = std::filesystem;
  const std::string wanted = ParameterFileName(recordPath);
  std::error_code ec;
  if (fs::is_regular_file(wanted, ec)) return wanted;
  const fs::path wantedPath(wanted);
  const std::string wantedName = wantedPath.filename().string();
  const fs::path dir = wantedPath.has_parent_path() ? wantedPath.parent_path() : fs::path(".");
  std::optional<std::string> best;
  for (fs::directory_iterator it(dir, ec), endIt; !ec && it != endIt; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!EqualNoCase(name, wantedName)) continue;
    std::error_code typeEc;
    if (!it->is_regular_file(typeEc)) continue;
    if (!best || name < fs::path(*best).filename().string()) {
      best = (wantedPath.has_parent_path() ? (dir / name) : fs::path(name)).string();
    }
  }
  return best;
}

}  // namespace velk
