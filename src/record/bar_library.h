#pragma once
// The bars a lab owns: a list of bar materials and a list of bar diameters. The built-in rows
// (bar_table.cpp) come first and never change, so the list indices of the two-bar-type program
// keep their meaning; a lab's own rows follow, kept in one JSON file in the user's configuration
// folder. Rows made from a parameter file whose bar is on neither list live for the session only.

#include <string>
#include <string_view>
#include <vector>

#include "record/file_io.h"

namespace velk {

enum class BarRowOrigin { BuiltIn, User, Session };

struct BarMaterialRow {
  std::string name;
  double waveSpeedMs = 0;
  double modulusMpa = 0;
  double poisson = 0.29;
  double densityKgM3 = 0;
  BarRowOrigin origin = BarRowOrigin::User;
  bool operator==(const BarMaterialRow&) const = default;
};

struct BarDiameterRow {
  std::string name;
  double diameterMm = 0;
  double areaMm2 = 0;  // BarAreaMm2(diameterMm); the built-in rows keep their historical values
  BarRowOrigin origin = BarRowOrigin::User;
  bool operator==(const BarDiameterRow&) const = default;
};

// Cross-section in mm² of a bar of diameter d mm. The historical quarter-pi constant reproduces
// the built-in areas 5026.54816, 1256.63704 and 201.0619264 bit for bit.
double BarAreaMm2(double diameterMm);
// The diameter in mm of a bar of cross-section a mm² (inverse of BarAreaMm2).
double BarDiameterFromArea(double areaMm2);

class BarLibrary {
 public:
  BarLibrary();  // the built-in rows only

  const std::vector<BarMaterialRow>& Materials() const { return m_materials; }
  const std::vector<BarDiameterRow>& Diameters() const { return m_diameters; }
  int BuiltInMaterialCount() const;
  int BuiltInDiameterCount() const;

  // Edits of the lab's rows. Refused, with the message the operator sees, for a built-in row, a
  // name already on the list, an empty name or a value that is not a finite number above zero
  // (a Poisson's ratio from 0 up to 0.5). A diameter row's area is derived from its diameter.
  FileResult AddMaterial(BarMaterialRow row);
  FileResult ReplaceMaterial(int index, BarMaterialRow row);
  FileResult RemoveMaterial(int index);
  FileResult AddDiameter(BarDiameterRow row);
  FileResult ReplaceDiameter(int index, BarDiameterRow row);
  FileResult RemoveDiameter(int index);

  // Row index by name, -1 when none.
  int FindMaterial(std::string_view name) const;
  int FindDiameter(std::string_view name) const;
  // Adds a session row named after baseName (made unique with " (2)", " (3)"...) and returns its
  // index. Session rows are never written to the library file.
  int AddSessionMaterial(const std::string& baseName, double waveSpeedMs, double modulusMpa,
                         double poisson);
  int AddSessionDiameter(const std::string& baseName, double areaMm2);

  // The lab's rows as JSON text, and back. FromJson replaces the lab's rows only when the whole
  // text is sound; otherwise the message names path and the problem and nothing changes.
  std::string ToJson() const;
  FileResult FromJson(std::string_view text, const std::string& path);

  // Reads the library file at path; a missing file is an empty library, not a fault. A damaged
  // file keeps the built-in rows and is remembered, so that Save moves it aside as path + ".bad"
  // before it writes anything in its place.
  FileResult Load(const std::string& path);
  // Writes the lab's rows to path atomically (creating its folder).
  FileResult Save(const std::string& path);

 private:
  std::vector<BarMaterialRow> m_materials;
  std::vector<BarDiameterRow> m_diameters;
  std::string m_damagedPath;  // a file Load refused, to be moved aside before the next Save
};

// The user's configuration folder, the one Qt's application configuration location gives the
// desktop program: $VELK_CONFIG_DIR when set (tests point it elsewhere), else
// $XDG_CONFIG_HOME/Velk, else $HOME/.config/Velk.
std::string UserConfigDir();
// The library file in that folder.
std::string BarLibraryPath();

}  // namespace velk
