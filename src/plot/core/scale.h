#pragma once
// Automatic axis scaling: one scale record per curve kind, and the rules that fill them.

#include <span>

namespace velk {

struct ScaleRecord {
  double xStart = 0, xEnd = 0, xRange = 0, xStep = 0;
  int xDecimals = 0;
  double yStart = 0, yEnd = 0, yRange = 0, yStep = 0;
  int yDecimals = 0;
};

// Raises v to a slightly larger axis end whose two-digit mantissa is the next multiple of 1, 2
// or 5, and returns the exponent code (-d for values scaled down by 10^d, else the number of
// times v was scaled up). Values that are zero, negative or not finite become 1.1 with code 1,
// so an axis always has a usable, positive extent.
int RoundUpNice(double& v);

// Label decimals from an exponent code: code + 1 when code >= 1, else 0.
int DecimalsFromCode(int code);

// Wave curve kinds from the joined array (n incident values then n transmitted values).
void ScaleRawWaves(ScaleRecord& s, std::span<const double> joined, int pointCount);
// The integer rule for waves read from a test-record file (recorder units).
void ScaleRecordFileWaves(ScaleRecord& s, std::span<const double> joined, int pointCount);
// A result time history over indices 0..lastIndex.
void ScaleIndexCurve(ScaleRecord& s, std::span<const double> curve, int lastIndex);
// A stress-strain curve over indices 0..lastIndex.
void ScaleXYCurve(ScaleRecord& s, std::span<const double> x, std::span<const double> y,
                  int lastIndex);

// The equilibrium ratio against time (µs) over indices 0..lastIndex: x from 0, y on steps of a
// nice size around 0 that hold every defined (not NaN) ratio and at least ±0.1.
void ScaleRatioCurve(ScaleRecord& s, std::span<const double> timeUs, std::span<const double> ratio,
                     int lastIndex);

}  // namespace velk
