// INTERIM: minimal stand-ins until the shared readers, parameter file and result file code land.
#include "app/test_files.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace velk {

namespace {
bool ReadLines(const std::string& path, std::vector<std::string>& lines) {
  std::ifstream f(path);
  if (!f) return false;
  std::string l;
  while (std::getline(f, l)) {
    if (!l.empty() && l.back() == '\r') l.pop_back();
    lines.push_back(l);
  }
  return true;
}
std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}
}  // namespace

bool ReadWaveFiles(WaveSource source, CVelkDoc& doc, Interaction& ui) {
  Workspace& ws = doc.ws();
  std::vector<std::string> a, b;
  if (!ReadLines(ws.waveOpen.incidentPath, a) || !ReadLines(ws.waveOpen.transmittedPath, b)) {
    ui.ShowMessage("Open file %1 fault!", {ws.waveOpen.incidentPath});
    return false;
  }
  const std::size_t skipHeader = source == WaveSource::Tektronix ? 4 : 0;
  auto vals = [&](const std::vector<std::string>& l, int start) {
    std::vector<double> v;
    for (std::size_t i = skipHeader + start; i < l.size(); ++i)
      v.push_back(std::atof(l[i].c_str()));
    return v;
  };
  doc.InstallWaves(vals(a, ws.waveOpen.incidentStart), vals(b, ws.waveOpen.transmittedStart));
  ws.Set(kWavesLoaded | (source == WaveSource::Tektronix ? kTektronixSource : kCs20000Source));
  return true;
}

bool ReadRecordFile(const std::string& path, CVelkDoc& doc, Interaction& ui) {
  std::vector<std::string> l;
  if (!ReadLines(path, l)) {
    ui.ShowMessage("Open file %1 fault!", {path});
    return false;
  }
  std::vector<double> v;
  for (const auto& s : l) {
    if (s.empty()) break;
    v.push_back(std::atof(s.c_str()) - 512.0);
  }
  const std::size_t p = (v.size() + 1) / 2;
  std::vector<double> inc(v.begin(), v.begin() + std::min(p, v.size()));
  std::vector<double> tr(v.begin() + std::min(p, v.size()), v.end());
  tr.resize(p, 0.0);
  doc.InstallWaves(inc, tr);
  doc.ws().Set(kWavesLoaded | kRecordFileSource);
  return true;
}

bool LoadParameters(const std::string& path, Workspace& ws, Interaction& ui) {
  std::vector<std::string> l;
  if (!ReadLines(path, l)) {
    ui.ShowMessage("Open file %1 fault!", {path});
    return false;
  }
  l.resize(3);
  TestParameters& p = ws.params;
  float f[13] = {};
  std::sscanf(l[0].c_str(), "%f %f %f %f", &f[0], &f[1], &f[2], &f[3]);
  p.barWaveSpeedMs = f[0];
  p.channel[0].factor = f[3];
  float g[7] = {};
  if (std::sscanf(l[1].c_str(), "%f %f %f %f %f", &g[0], &g[1], &g[2], &g[3], &g[4]) == 5 &&
      g[4] > 0) {
    p.sampleIntervalUs = g[4];
    p.samplingMhz = static_cast<float>(1.0 / g[4]);
  }
  p.specimenDiameterMm = g[0];
  return true;
}

bool StoreParameters(const std::string& path, Workspace& ws, Interaction& ui) {
  std::ofstream f(path, std::ios::binary);
  if (!f) {
    ui.ShowMessage("保存文档失败。");
    return false;
  }
  const TestParameters& p = ws.params;
  char buf[256];
  std::snprintf(buf, sizeof buf, "%f %f %f %f \n%f \n%i \n", p.barWaveSpeedMs, p.barModulusMpa,
                p.barAreaMm2, p.channel[0].factor, p.specimenDiameterMm, p.windowIndices[0]);
  f << buf;
  return true;
}

std::string ParameterFileStem(const std::string& recordPath) {
  const auto slash = recordPath.find_last_of('/');
  const std::string dir = slash == std::string::npos ? "" : recordPath.substr(0, slash + 1);
  std::string name = Lower(recordPath.substr(dir.size()));
  const auto pos = name.find(".dat");
  if (pos != std::string::npos) name.erase(pos, 4);
  return dir + name;
}

std::optional<std::string> FindParameterFileBeside(const std::string& recordPath) {
  if (recordPath.empty()) return std::nullopt;
  const std::string want = ParameterFileStem(recordPath) + ".PAT";
  const std::filesystem::path w(want);
  std::error_code ec;
  const auto dir = w.has_parent_path() ? w.parent_path() : std::filesystem::path(".");
  for (const auto& e : std::filesystem::directory_iterator(dir, ec)) {
    if (Lower(e.path().filename().string()) == Lower(w.filename().string()))
      return e.path().string();
  }
  return std::nullopt;
}

std::string ResultFileName(const std::string& recordPath, int kind) {
  return ParameterFileStem(recordPath) + (kind == 2 ? ".DT2" : kind == 3 ? ".DT3" : ".DT4");
}

bool WriteResultFile(const std::string& path, const CVelkDoc& doc, int kind, Interaction& ui) {
  std::ofstream f(path, std::ios::binary);
  if (!f) {
    ui.ShowMessage("保存文档失败。");
    return false;
  }
  const auto& s = doc.m_smoothed;
  char buf[128];
  for (int i = 0; i <= doc.m_lastResultIndex; ++i) {
    if (kind == 2) {
      std::snprintf(buf, sizeof buf, "%.5f %.5f\n", s[kEngStrain][i], s[kEngStress][i]);
    } else if (kind == 3) {
      std::snprintf(buf, sizeof buf, "%.5f %.5f %.5f\n", s[kEngStrain][i], s[kEngStress][i],
                    s[kEngStrainRate][i]);
    } else {
      std::snprintf(buf, sizeof buf, "%.5f %.5f %.5f\n", s[kTrueStrain][i], s[kTrueStress][i],
                    s[kTrueStrainRate][i]);
    }
    f << buf;
  }
  return true;
}

}  // namespace velk
