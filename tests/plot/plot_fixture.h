#pragma once
// A test record with a view model, and helpers to build the curves the plot tests draw.

#include <QImage>
#include <memory>
#include <vector>

#include "plot/core/view_model.h"
#include "record/velk_doc.h"
#include "record/workspace.h"

namespace velk::testing {

struct PlotFixture {
  Workspace ws;
  CVelkDoc doc{ws};
  ViewModel vm{doc};

  // Two raw waves of n samples and the scale records of kinds 3 and 4 set from them.
  void Waves(std::vector<double> inc, std::vector<double> tr) {
    doc.InstallWaves(std::move(inc), std::move(tr));
    vm.InitialUpdate();
  }
  // Six result curves over indices 0..N, each the given curve, and kinds 5..12 scaled.
  void Results(const std::vector<double>& y, const std::vector<double>& strain) {
    for (auto& c : doc.m_computed) c = y;
    doc.m_computed[kEngStrain] = strain;
    doc.m_computed[kTrueStrain] = strain;
    doc.m_smoothed = doc.m_computed;
    doc.m_lastResultIndex = static_cast<int>(y.size()) - 1;
    vm.ScaleResults();
  }
};

inline bool IsColour(const QImage& img, int x, int y, QRgb c) {
  return (img.pixel(x, y) & 0xFFFFFF) == (c & 0xFFFFFF);
}
inline constexpr QRgb kBlack = 0x000000, kWhite = 0xFFFFFF, kRed = 0xFF0000, kBlue = 0x0000FF;

// Number of pixels of colour c in the rectangle [x0, x1) x [y0, y1).
inline int CountColour(const QImage& img, int x0, int y0, int x1, int y1, QRgb c) {
  int n = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) n += IsColour(img, x, y, c);
  return n;
}
inline int CountNonWhite(const QImage& img, int x0, int y0, int x1, int y1) {
  int n = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) n += !IsColour(img, x, y, kWhite);
  return n;
}

}  // namespace velk::testing
