#include "record/bar_library.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "record/bar_table.h"
#include "record/tr_noop.h"

namespace velk {

namespace {

using nlohmann::json;

constexpr double kPi = 3.1415926;  // the program's pi, so the built-in areas come out unchanged
constexpr int kFileVersion = 1;

// Poisson's ratio and density are not in the historical table; these are the usual values for
// the two bar metals, the density taken as E / c0² so the three stay consistent.
struct BuiltInExtra {
  double poisson;
  double densityKgM3;
};
constexpr BuiltInExtra kBuiltInExtra[] = {{0.29, 7572.0}, {0.33, 2784.0}};

bool Positive(double v) { return std::isfinite(v) && v > 0.0; }

FileResult CheckMaterial(const BarMaterialRow& r) {
  if (r.name.empty())
    return FileResult::Failure(VELK_TRANSLATE_NOOP("velk", "压杆材料的名称不能为空。"));
  if (!Positive(r.waveSpeedMs) || !Positive(r.modulusMpa) || !Positive(r.densityKgM3) ||
      !(r.poisson >= 0.0 && r.poisson < 0.5)) {
    return FileResult::Failure(
        VELK_TRANSLATE_NOOP(
            "velk",
            "压杆材料“%1”的数值无效：波速、弹性模量和密度须大于零，泊松比须在 0 与 0.5 之间。"),
        {r.name});
  }
  return {};
}

FileResult CheckDiameter(const BarDiameterRow& r) {
  if (r.name.empty())
    return FileResult::Failure(VELK_TRANSLATE_NOOP("velk", "压杆直径的名称不能为空。"));
  if (!Positive(r.diameterMm) || !Positive(BarAreaMm2(r.diameterMm))) {
    return FileResult::Failure(
        VELK_TRANSLATE_NOOP("velk", "压杆直径“%1”的数值无效：直径须大于零。"), {r.name});
  }
  return {};
}

FileResult Duplicate(const std::string& name) {
  return FileResult::Failure(VELK_TRANSLATE_NOOP("velk", "名称“%1”已在列表中。"), {name});
}

template <class Row>
int FindByName(const std::vector<Row>& rows, std::string_view name, int skip = -1) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (static_cast<int>(i) != skip && rows[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

template <class Row>
int CountOrigin(const std::vector<Row>& rows, BarRowOrigin origin) {
  int n = 0;
  for (const Row& r : rows) n += r.origin == origin ? 1 : 0;
  return n;
}

template <class Row>
FileResult CheckEditable(const std::vector<Row>& rows, int index) {
  if (index < 0 || index >= static_cast<int>(rows.size())) {
    return FileResult::Failure(VELK_TRANSLATE_NOOP("velk", "所选的行不存在。"));
  }
  if (rows[index].origin == BarRowOrigin::BuiltIn) {
    return FileResult::Failure(VELK_TRANSLATE_NOOP("velk", "内置压杆“%1”不能修改。"),
                               {rows[index].name});
  }
  return {};
}

template <class Row>
std::string UniqueName(const std::vector<Row>& rows, const std::string& base) {
  std::string name = base;
  for (int k = 2; FindByName(rows, name) >= 0; ++k) name = base + " (" + std::to_string(k) + ")";
  return name;
}

// Reads a number member of a library row; throws json::type_error with the member's name.
double Number(const json& row, const char* key) {
  const json& v = row.at(key);
  if (!v.is_number()) {
    throw json::type_error::create(302, std::string("\"") + key + "\" is not a number", &row);
  }
  return v.get<double>();
}

constexpr const char* kDamaged =
    VELK_TRANSLATE_NOOP("velk", "压杆库文件 %1 已损坏（%2），只使用内置压杆。");

// A row the library refuses makes the whole file damaged: a duplicate name or a value that is not
// a number above zero would otherwise vanish silently at the next save.
FileResult Damaged(const std::string& path, const char* kind, const json& row) {
  return FileResult::Failure(kDamaged, {path, std::string(kind) + " row " + row.dump() +
                                                  ": duplicate name or value out of range"});
}

}  // namespace

double BarAreaMm2(double diameterMm) { return kPi * diameterMm * diameterMm / 4; }
double BarDiameterFromArea(double areaMm2) { return std::sqrt(4 * areaMm2 / kPi); }

BarLibrary::BarLibrary() {
  const auto materials = BarMaterials();
  for (std::size_t i = 0; i < materials.size(); ++i) {
    const BuiltInExtra extra = i < std::size(kBuiltInExtra) ? kBuiltInExtra[i] : kBuiltInExtra[0];
    m_materials.push_back({materials[i].name, materials[i].waveSpeedMs, materials[i].modulusMpa,
                           extra.poisson, extra.densityKgM3, BarRowOrigin::BuiltIn});
  }
  for (const BarDiameter& d : BarDiameters()) {
    m_diameters.push_back({d.name, std::strtod(d.name, nullptr), d.areaMm2, BarRowOrigin::BuiltIn});
  }
}

int BarLibrary::BuiltInMaterialCount() const {
  return CountOrigin(m_materials, BarRowOrigin::BuiltIn);
}
int BarLibrary::BuiltInDiameterCount() const {
  return CountOrigin(m_diameters, BarRowOrigin::BuiltIn);
}

FileResult BarLibrary::AddMaterial(BarMaterialRow row) {
  if (FileResult r = CheckMaterial(row); !r) return r;
  if (FindByName(m_materials, row.name) >= 0) return Duplicate(row.name);
  row.origin = BarRowOrigin::User;
  m_materials.push_back(std::move(row));
  return {};
}

FileResult BarLibrary::ReplaceMaterial(int index, BarMaterialRow row) {
  if (FileResult r = CheckEditable(m_materials, index); !r) return r;
  if (FileResult r = CheckMaterial(row); !r) return r;
  if (FindByName(m_materials, row.name, index) >= 0) return Duplicate(row.name);
  row.origin = m_materials[index].origin;
  m_materials[index] = std::move(row);
  return {};
}

FileResult BarLibrary::RemoveMaterial(int index) {
  if (FileResult r = CheckEditable(m_materials, index); !r) return r;
  m_materials.erase(m_materials.begin() + index);
  return {};
}

FileResult BarLibrary::AddDiameter(BarDiameterRow row) {
  if (FileResult r = CheckDiameter(row); !r) return r;
  if (FindByName(m_diameters, row.name) >= 0) return Duplicate(row.name);
  row.areaMm2 = BarAreaMm2(row.diameterMm);
  row.origin = BarRowOrigin::User;
  m_diameters.push_back(std::move(row));
  return {};
}

FileResult BarLibrary::ReplaceDiameter(int index, BarDiameterRow row) {
  if (FileResult r = CheckEditable(m_diameters, index); !r) return r;
  if (FileResult r = CheckDiameter(row); !r) return r;
  if (FindByName(m_diameters, row.name, index) >= 0) return Duplicate(row.name);
  row.areaMm2 = BarAreaMm2(row.diameterMm);
  row.origin = m_diameters[index].origin;
  m_diameters[index] = std::move(row);
  return {};
}

FileResult BarLibrary::RemoveDiameter(int index) {
  if (FileResult r = CheckEditable(m_diameters, index); !r) return r;
  m_diameters.erase(m_diameters.begin() + index);
  return {};
}

int BarLibrary::FindMaterial(std::string_view name) const { return FindByName(m_materials, name); }
int BarLibrary::FindDiameter(std::string_view name) const { return FindByName(m_diameters, name); }

int BarLibrary::AddSessionMaterial(const std::string& baseName, double waveSpeedMs,
                                   double modulusMpa, double poisson) {
  m_materials.push_back({UniqueName(m_materials, baseName), waveSpeedMs, modulusMpa, poisson,
                         modulusMpa * 1e6 / (waveSpeedMs * waveSpeedMs), BarRowOrigin::Session});
  return static_cast<int>(m_materials.size()) - 1;
}

int BarLibrary::AddSessionDiameter(const std::string& baseName, double areaMm2) {
  m_diameters.push_back({UniqueName(m_diameters, baseName), BarDiameterFromArea(areaMm2), areaMm2,
                         BarRowOrigin::Session});
  return static_cast<int>(m_diameters.size()) - 1;
}

std::string BarLibrary::ToJson() const {
  json materials = json::array();
  for (const BarMaterialRow& r : m_materials) {
    if (r.origin != BarRowOrigin::User) continue;
    materials.push_back({{"name", r.name},
                         {"wave_speed", r.waveSpeedMs},
                         {"modulus", r.modulusMpa},
                         {"poisson", r.poisson},
                         {"density", r.densityKgM3}});
  }
  json diameters = json::array();
  for (const BarDiameterRow& r : m_diameters) {
    if (r.origin != BarRowOrigin::User) continue;
    diameters.push_back({{"name", r.name}, {"diameter", r.diameterMm}});
  }
  const json doc = {{"version", kFileVersion}, {"materials", materials}, {"diameters", diameters}};
  return doc.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

FileResult BarLibrary::FromJson(std::string_view text, const std::string& path) {
  // The rows are built on a fresh library and taken over only once every row passed, so a file
  // damaged half-way adds nothing.
  BarLibrary fresh;
  try {
    const json doc = json::parse(text);
    if (!doc.is_object()) throw json::type_error::create(302, "the file is no JSON object", &doc);
    for (const json& row : doc.at("materials")) {
      const FileResult r = fresh.AddMaterial({row.at("name").get<std::string>(),
                                              Number(row, "wave_speed"), Number(row, "modulus"),
                                              Number(row, "poisson"), Number(row, "density")});
      if (!r) return Damaged(path, "material", row);
    }
    for (const json& row : doc.at("diameters")) {
      const FileResult r =
          fresh.AddDiameter({row.at("name").get<std::string>(), Number(row, "diameter")});
      if (!r) return Damaged(path, "diameter", row);
    }
  } catch (const json::exception& e) {
    return FileResult::Failure(kDamaged, {path, e.what()});
  }
  // Session rows made before the file was read stay.
  for (const BarMaterialRow& r : m_materials) {
    if (r.origin == BarRowOrigin::Session) fresh.m_materials.push_back(r);
  }
  for (const BarDiameterRow& r : m_diameters) {
    if (r.origin == BarRowOrigin::Session) fresh.m_diameters.push_back(r);
  }
  fresh.m_damagedPath = m_damagedPath;
  *this = std::move(fresh);
  return {};
}

FileResult BarLibrary::Load(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return {};
  std::string text;
  FileResult r;
  if (!ReadWholeFile(path, text)) {
    r = FileResult::Failure(
        VELK_TRANSLATE_NOOP("velk", "压杆库文件 %1 无法读取（%2），只使用内置压杆。"),
        {path, std::strerror(errno)});
  } else {
    r = FromJson(text, path);
  }
  if (!r) m_damagedPath = path;
  return r;
}

FileResult BarLibrary::Save(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path target(path);
  if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
  if (!m_damagedPath.empty() && fs::exists(m_damagedPath, ec)) {
    fs::rename(m_damagedPath, m_damagedPath + ".bad", ec);
    if (ec) return SaveFailure(ec.value(), m_damagedPath + ".bad");
  }
  m_damagedPath.clear();
  return WriteFileAtomically(path, ToJson());
}

std::string UserConfigDir() {
  if (const char* dir = std::getenv("VELK_CONFIG_DIR"); dir && *dir) return dir;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg && xdg[0] == '/') {
    return std::string(xdg) + "/Velk";
  }
  const char* home = std::getenv("HOME");
  return std::string(home ? home : "") + "/.config/Velk";
}

std::string BarLibraryPath() { return UserConfigDir() + "/bars.json"; }

}  // namespace velk
