// The bars of a batch run: the bar library, rows chosen by index or name, custom bars.

#include <CLI/CLI.hpp>
#include <charconv>
#include <cstdio>

#include "cli/reduce_cli.h"
#include "cli/reduce_language.h"
#include "record/tr_noop.h"

namespace velk::cli {

void AddBarOptions(CLI::App& app, ReduceOptions& o) {
  const char* group =
      VELK_TRANSLATE_NOOP("velk", "Bars (see also --bar-material and --bar-diameter)");
  app.add_option("--bar", o.bar,
                 VELK_TRANSLATE_NOOP("velk",
                                     "Both bars are this custom bar: wave speed m/s, modulus MPa, "
                                     "diameter mm, Poisson's ratio (default 0.29)"))
      ->expected(3, 4)
      ->type_name("C E D [NU]")
      ->group(group);
  app.add_option(
         "--transmission-bar", o.transmissionBar,
         VELK_TRANSLATE_NOOP(
             "velk", "The transmission bar alone, as --bar (the incident bar keeps its choice)"))
      ->expected(3, 4)
      ->type_name("C E D [NU]")
      ->group(group);
  app.add_option("--result-limit", o.resultLimit,
                 VELK_TRANSLATE_NOOP(
                     "velk", "Most result points (default 2000); 0: the whole transmitted window"))
      ->check(CLI::NonNegativeNumber)
      ->type_name("N")
      ->group(group);
  app.add_option("--bar-library", o.barLibrary,
                 VELK_TRANSLATE_NOOP("velk",
                                     "Bar library file (default: bars.json in $VELK_CONFIG_DIR, "
                                     "else $XDG_CONFIG_HOME/Velk or ~/.config/Velk)"))
      ->type_name("FILE")
      ->group(group);
  app.add_flag("--list-bars", o.listBars,
               VELK_TRANSLATE_NOOP("velk", "Print the bar library's rows and end"))
      ->group(group);
}

namespace {

// A built-in row's index, or -1 when the text is no whole number.
int IndexText(const std::string& text) {
  int v = -1;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
  return (r.ec == std::errc() && r.ptr == text.data() + text.size()) ? v : -2;
}

// The row a --bar-material or --bar-diameter value names; -1 when none.
int RowFor(const std::string& text, int builtIns, int byName) {
  const int index = IndexText(text);
  if (index != -2) return index >= 0 && index < builtIns ? index : -1;
  return byName;
}

// The row holding this custom bar, or a session row named after the option.
void CustomBar(BarLibrary& lib, const std::vector<double>& v, const char* name,
               std::optional<int>& material, std::optional<int>& diameter) {
  const double nu = v.size() > 3 ? v[3] : 0.29;
  const auto& m = lib.Materials();
  material = -1;
  for (std::size_t i = 0; i < m.size(); ++i) {
    if (m[i].waveSpeedMs == v[0] && m[i].modulusMpa == v[1] && m[i].poisson == nu) {
      material = static_cast<int>(i);
    }
  }
  if (*material < 0) material = lib.AddSessionMaterial(name, v[0], v[1], nu);
  const auto& d = lib.Diameters();
  diameter = -1;
  for (std::size_t i = 0; i < d.size(); ++i) {
    if (d[i].diameterMm == v[2]) diameter = static_cast<int>(i);
  }
  if (*diameter < 0) diameter = lib.AddSessionDiameter(name, BarAreaMm2(v[2]));
}

std::string Num(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.10g", v);
  return buf;
}

const char* OriginText(BarRowOrigin o) {
  switch (o) {
    case BarRowOrigin::BuiltIn:
      return "built-in";
    case BarRowOrigin::User:
      return "library";
    default:
      return "session";
  }
}

}  // namespace

std::string ResolveBars(ReduceOptions& o, ReduceSession& s) {
  BarLibrary& lib = s.ws.bars;
  const std::string path = o.barLibrary.empty() ? BarLibraryPath() : o.barLibrary;
  lib.Load(path).Report(s.ui);
  for (const std::vector<double>* b : {&o.bar, &o.transmissionBar}) {
    for (std::size_t k = 0; k < 3 && k < b->size(); ++k) {
      if (!((*b)[k] > 0.0))
        return Translate(VELK_TRANSLATE_NOOP(
            "velk", "a bar's wave speed, modulus and diameter must be above zero"));
    }
  }
  if (o.barMaterial) {
    const int row =
        RowFor(*o.barMaterial, lib.BuiltInMaterialCount(), lib.FindMaterial(*o.barMaterial));
    if (row < 0) {
      return FormatArgs(
          Translate(VELK_TRANSLATE_NOOP(
              "velk", "--bar-material: %1 is neither 0, 1 nor a row of the bar library")),
          {*o.barMaterial});
    }
    o.barMaterialRow = row;
  }
  if (o.barDiameter) {
    const int row =
        RowFor(*o.barDiameter, lib.BuiltInDiameterCount(), lib.FindDiameter(*o.barDiameter));
    if (row < 0) {
      return FormatArgs(
          Translate(VELK_TRANSLATE_NOOP(
              "velk", "--bar-diameter: %1 is neither 0, 1, 2 nor a row of the bar library")),
          {*o.barDiameter});
    }
    o.barDiameterRow = row;
  }
  if (!o.bar.empty()) CustomBar(lib, o.bar, "--bar", o.barMaterialRow, o.barDiameterRow);
  if (!o.transmissionBar.empty()) {
    CustomBar(lib, o.transmissionBar, "--transmission-bar", o.trMaterialRow, o.trDiameterRow);
  }
  return {};
}

std::string ListBars(const BarLibrary& bars) {
  std::string out =
      "materials (index, name, wave speed m/s, modulus MPa, Poisson's ratio, "
      "density kg/m3, origin):\n";
  for (std::size_t i = 0; i < bars.Materials().size(); ++i) {
    const BarMaterialRow& m = bars.Materials()[i];
    out += std::to_string(i) + "\t" + m.name + "\t" + Num(m.waveSpeedMs) + "\t" +
           Num(m.modulusMpa) + "\t" + Num(m.poisson) + "\t" + Num(m.densityKgM3) + "\t" +
           OriginText(m.origin) + "\n";
  }
  out += "diameters (index, name, diameter mm, area mm2, origin):\n";
  for (std::size_t i = 0; i < bars.Diameters().size(); ++i) {
    const BarDiameterRow& d = bars.Diameters()[i];
    out += std::to_string(i) + "\t" + d.name + "\t" + Num(d.diameterMm) + "\t" + Num(d.areaMm2) +
           "\t" + OriginText(d.origin) + "\n";
  }
  return out;
}

}  // namespace velk::cli
