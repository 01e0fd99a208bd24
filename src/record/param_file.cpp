#include "record/param_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <limits>
#include <vector>

#include "record/bar_table.h"
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
  if (p.samplingMhz != 0.0f && std::isfinite(p.samplingMhz)) {
    p.sampleIntervalUs = 1.0 / static_cast<double>(p.samplingMhz);
  }

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

void ParseParameterFile(std::string_view text, TestParameters& p) {
  LineReader lines(text);
  std::string_view line[3];
  for (std::string_view& l : line) {
    if (!lines.Next(l)) break;
  }

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

FileResult StoreParameterFile(const std::string& path, TestParameters& p) {
  return WriteFileAtomically(path, FormatParameterFile(p));
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
