#include "analysis/dispersion.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <kissfft/kissfft.hh>

#include "record/tr_noop.h"

namespace velk {

namespace {

constexpr double kPi = 3.14159265358979323846;

std::string Num(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%g", v);
  return buf;
}

// The smallest length of at least n whose only prime factors are 2, 3 and 5, which KissFFT
// transforms fastest.
std::size_t FastLength(std::size_t n) {
  for (std::size_t m = std::max<std::size_t>(n, 1);; ++m) {
    std::size_t r = m;
    for (std::size_t p : {2, 3, 5})
      while (r % p == 0) r /= p;
    if (r == 1) return m;
  }
}

// Zero padding that keeps what the shift moves out of the window from wrapping round onto it:
// the window's own length again, plus the largest extra travel time of the dispersed energy.
std::size_t PaddedLength(std::size_t n, const DispersiveBar& bar, double distanceMm,
                         double sampleIntervalUs) {
  const long extra = DispersionMarginSamples(bar, distanceMm, sampleIntervalUs);
  return FastLength(2 * n + static_cast<std::size_t>(extra));
}

// Direction of the phase shift that takes a pulse from where it was recorded to where it is
// wanted: +1 delays the slow components (the pulse has further to go), -1 advances them.
int DelaySign(PulseTravel travel, bool gaugeToFace) {
  const bool towardFace = travel == PulseTravel::kTowardSpecimen;
  return towardFace == gaugeToFace ? 1 : -1;
}

std::vector<double> Move(std::span<const double> pulse, const DispersiveBar& bar, double distanceMm,
                         double sampleIntervalUs, int delaySign) {
  if (pulse.empty() || CheckDispersionInputs(bar, distanceMm, sampleIntervalUs) ||
      distanceMm == 0.0)
    return {pulse.begin(), pulse.end()};
  std::vector<double> padded(PaddedLength(pulse.size(), bar, distanceMm, sampleIntervalUs), 0.0);
  std::copy(pulse.begin(), pulse.end(), padded.begin());
  std::vector<double> moved =
      ShiftPhasesPeriodic(padded, bar, distanceMm, sampleIntervalUs, delaySign);
  moved.resize(pulse.size());
  return moved;
}

}  // namespace

long DispersionMarginSamples(const DispersiveBar& bar, double distanceMm, double sampleIntervalUs) {
  const double extraUs = distanceMm * 1e3 * (5.0 - 1.0) / bar.waveSpeedMs;
  const double samples = std::ceil(extraUs / sampleIntervalUs);
  return std::isfinite(samples) ? static_cast<long>(std::clamp(samples, 0.0, 1e8)) : 0;
}

DispersionProblem CheckDispersionInputs(const DispersiveBar& bar, double distanceMm,
                                        double sampleIntervalUs) {
  if (!(bar.waveSpeedMs > 0.0) || !std::isfinite(bar.waveSpeedMs))
    return {VELK_TRANSLATE_NOOP("velk", "杆的波速为 %1 m/s：弥散修正需要大于零的波速。"),
            {Num(bar.waveSpeedMs)}};
  if (!(bar.poissonRatio >= kMinPoissonRatio && bar.poissonRatio <= kMaxPoissonRatio))
    return {VELK_TRANSLATE_NOOP("velk",
                                "杆的泊松比为 %1：弥散修正只适用于 0.05 至 0.49 之间的泊松比。"),
            {Num(bar.poissonRatio)}};
  if (!(bar.diameterMm > 0.0) || !std::isfinite(bar.diameterMm))
    return {VELK_TRANSLATE_NOOP("velk", "杆的直径为 %1 mm：弥散修正需要大于零的直径。"),
            {Num(bar.diameterMm)}};
  if (!(distanceMm >= 0.0) || !std::isfinite(distanceMm))
    return {VELK_TRANSLATE_NOOP("velk", "应变片到试样端面的距离为 %1 mm：距离不能为负数。"),
            {Num(distanceMm)}};
  if (!(sampleIntervalUs > 0.0) || !std::isfinite(sampleIntervalUs))
    return {VELK_TRANSLATE_NOOP("velk", "采样间隔为 %1 µs：弥散修正需要大于零的采样间隔。"),
            {Num(sampleIntervalUs)}};
  return {};
}

std::vector<double> ShiftPhasesPeriodic(std::span<const double> periodic, const DispersiveBar& bar,
                                        double distanceMm, double sampleIntervalUs, int delaySign) {
  const std::size_t n = periodic.size();
  if (n == 0) return {};
  using Complex = std::complex<double>;
  std::vector<Complex> spectrum(n), in(periodic.begin(), periodic.end());
  kissfft<double>(n, false).transform(in.data(), spectrum.data());

  const auto table = PhaseVelocityTableFor(bar.poissonRatio);
  const double c0 = bar.waveSpeedMs;
  const double radiusM = 0.5e-3 * bar.diameterMm, distanceM = 1e-3 * distanceMm;
  const double binHz = 1e6 / (sampleIntervalUs * static_cast<double>(n));
  // KissFFT's forward transform is sum x e^(-i w t): a delay tau multiplies a component by
  // e^(-i w tau), and its mirror at -w by the conjugate, which keeps the record real.
  for (std::size_t k = 1; 2 * k < n; ++k) {
    const double f = binHz * static_cast<double>(k);
    const double c = c0 * table->Ratio(f * radiusM / c0);
    const double phase = delaySign * 2.0 * kPi * f * distanceM * (1.0 / c - 1.0 / c0);
    const Complex turn = std::polar(1.0, -phase);
    spectrum[k] *= turn;
    spectrum[n - k] *= std::conj(turn);
  }

  std::vector<Complex> back(n);
  kissfft<double>(n, true).transform(spectrum.data(), back.data());
  std::vector<double> out(n);
  for (std::size_t i = 0; i < n; ++i) out[i] = back[i].real() / static_cast<double>(n);
  return out;
}

std::vector<double> PulseAtSpecimenFace(std::span<const double> atGauge, const DispersiveBar& bar,
                                        double distanceMm, double sampleIntervalUs,
                                        PulseTravel travel) {
  return Move(atGauge, bar, distanceMm, sampleIntervalUs, DelaySign(travel, true));
}

std::vector<double> PulseAtGauge(std::span<const double> atFace, const DispersiveBar& bar,
                                 double distanceMm, double sampleIntervalUs, PulseTravel travel) {
  return Move(atFace, bar, distanceMm, sampleIntervalUs, DelaySign(travel, false));
}

std::vector<double> WindowAtSpecimenFace(std::span<const double> channel, long start, long length,
                                         long margin, const DispersiveBar& bar, double distanceMm,
                                         double sampleIntervalUs, PulseTravel travel) {
  length = std::max(length, 0L);
  margin = std::max(margin, 0L);
  const long size = static_cast<long>(channel.size());
  const long from = std::clamp(start - margin, 0L, size);
  const long to = std::clamp(start + length + margin, from, size);
  const auto moved = PulseAtSpecimenFace(channel.subspan(from, to - from), bar, distanceMm,
                                         sampleIntervalUs, travel);
  std::vector<double> window(length, 0.0);
  for (long i = 0; i < length; ++i) {
    const long at = start + i - from;
    if (at >= 0 && at < to - from) window[i] = moved[at];
  }
  return window;
}

}  // namespace velk
