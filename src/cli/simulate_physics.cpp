#include "cli/simulate_physics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "analysis/dispersion.h"
#include "record/bar_table.h"

namespace velk::sim {

namespace {

// The program's quarter-pi constant, so that the specimen area here is the one the reduction
// divides by.
constexpr double kQuarterPi = 0.78539815;
constexpr double kPi = 3.14159265358979323846;

// Travel time in us over a distance in mm at a speed in m/s (1 m/s = 1e-3 mm/us).
double TravelUs(double distanceMm, double speedMs) { return distanceMm / (speedMs * 1e-3); }

std::string Format(const char* fmt, double a) {
  char buf[160];
  std::snprintf(buf, sizeof buf, fmt, a);
  return buf;
}

// Linear interpolation of a history sampled every stepUs from time 0; zero before time 0 (the
// pulse has not arrived) and the last value after the end.
double Interpolate(const std::vector<double>& h, double stepUs, double timeUs) {
  if (timeUs <= 0 || h.empty()) return 0.0;
  const double x = timeUs / stepUs;
  const auto last = h.size() - 1;
  if (x >= static_cast<double>(last)) return h[last];
  const auto i = static_cast<std::size_t>(x);
  const double f = x - static_cast<double>(i);
  return h[i] + (h[i + 1] - h[i]) * f;
}

// The specimen's state while it is integrated: engineering strain (face closure over original
// thickness) and plastic strain.
struct SpecimenState {
  double strain = 0;
  double plasticStrain = 0;
};

// Stress (MPa) after a strain increment taken in stepS seconds, by an implicit return mapping:
// elastic trial, else the stress on the flow surface at the new strain. The specimen only pushes:
// when the faces open (trial stress below zero) it carries nothing. Non-decreasing in the
// increment, which the step solver relies on.
double StressAfter(const SpecimenLaw& law, const SpecimenState& s, double increment, double stepS,
                   double* plasticOut) {
  const double e = s.strain + increment;
  const double elastic = law.modulusMpa * (e - s.plasticStrain);
  const double rate = increment / stepS;
  const double r = law.RateFactor(rate);
  // On the flow surface sigma = (Y + H ep) r and sigma = E (e - ep); eliminating ep:
  const double E = law.modulusMpa, H = law.hardeningMpa;
  const double plastic = E * r * (law.yieldMpa + H * e) / (E + H * r);
  double sigma = std::min(elastic, plastic);
  double ep = s.plasticStrain;
  if (plastic < elastic) ep = e - plastic / E;
  if (sigma < 0) {
    sigma = 0;
    ep = s.plasticStrain;
  }
  if (plasticOut) *plasticOut = ep;
  return sigma;
}

}  // namespace

double SpecimenLaw::RateFactor(double strainRatePerS) const {
  if (rateCoefficient > 0 && strainRatePerS > referenceRatePerS)
    return 1.0 + rateCoefficient * std::log(strainRatePerS / referenceRatePerS);
  return 1.0;
}

double SpecimenLaw::FlowStress(double plasticStrain, double strainRatePerS) const {
  return (yieldMpa + hardeningMpa * plasticStrain) * RateFactor(strainRatePerS);
}

BarConstants BarFor(int materialIndex, int diameterIndex) {
  const auto& m = BarMaterials()[static_cast<std::size_t>(materialIndex)];
  const auto& d = BarDiameters()[static_cast<std::size_t>(diameterIndex)];
  return {m.waveSpeedMs, m.modulusMpa, d.areaMm2};
}

BarConstants IncidentBar(const SimConfig& c) {
  return c.customBar.waveSpeedMs > 0 ? c.customBar : BarFor(c.barMaterialIndex, c.barDiameterIndex);
}

BarConstants TransmissionBar(const SimConfig& c) {
  return c.transmissionBar.waveSpeedMs > 0 ? c.transmissionBar : IncidentBar(c);
}

double IncidentShape(double t, double durationUs, double riseUs) {
  // Half-amplitude points at riseUs / 2 and durationUs + riseUs / 2, so the pulse lasts
  // durationUs, the time a striker of the bars' material takes to load the bar (2 Ls / Cb).
  if (t < 0) return 0.0;
  if (t < riseUs) return 0.5 * (1.0 - std::cos(kPi * t / riseUs));
  if (t < durationUs) return 1.0;
  if (t < durationUs + riseUs) return 0.5 * (1.0 + std::cos(kPi * (t - durationUs) / riseUs));
  return 0.0;
}

// The diameter the bar theory disperses a bar's pulses with: the one given for the dispersion, or
// else the bar's own, from its area (a custom bar's too, not the table row it replaces).
double DispersionDiameterMm(const SimConfig& c, const BarConstants& bar) {
  if (c.dispersionDiameterMm > 0) return c.dispersionDiameterMm;
  return std::sqrt(bar.areaMm2 / kQuarterPi);
}

std::string CheckConfig(const SimConfig& c) {
  const auto materials = BarMaterials().size();
  const auto diameters = BarDiameters().size();
  auto positive = [](double v) { return std::isfinite(v) && v > 0; };
  for (const BarConstants* b : {&c.customBar, &c.transmissionBar}) {
    if (b->waveSpeedMs != 0 &&
        (!positive(b->waveSpeedMs) || !positive(b->modulusMpa) || !positive(b->areaMm2)))
      return "a custom bar needs a wave speed, modulus and area above 0";
  }
  if (c.customBar.waveSpeedMs == 0 &&
      (c.barMaterialIndex < 0 || static_cast<std::size_t>(c.barMaterialIndex) >= materials))
    return "bar material must be 0 (steel) or 1 (aluminium)";
  if (c.customBar.waveSpeedMs == 0 &&
      (c.barDiameterIndex < 0 || static_cast<std::size_t>(c.barDiameterIndex) >= diameters))
    return "bar diameter must be 0 (80 mm), 1 (40 mm) or 2 (16 mm)";
  auto nonNegative = [](double v) { return std::isfinite(v) && v >= 0; };
  if (!positive(c.strikerLengthMm)) return "striker length must be above 0 mm";
  if (!positive(c.strikerVelocityMs)) return "striker velocity must be above 0 m/s";
  if (!nonNegative(c.riseTimeUs)) return "rise time must not be negative";
  if (!positive(c.specimenDiameterMm)) return "specimen diameter must be above 0 mm";
  if (!positive(c.specimenThicknessMm)) return "specimen thickness must be above 0 mm";
  if (!nonNegative(c.specimenWaveSpeedMs)) return "specimen wave speed must not be negative";
  if (!positive(c.law.modulusMpa)) return "specimen modulus must be above 0 MPa";
  if (!positive(c.law.yieldMpa)) return "yield stress must be above 0 MPa";
  if (!nonNegative(c.law.hardeningMpa)) return "hardening modulus must not be negative";
  if (!nonNegative(c.law.rateCoefficient)) return "rate coefficient must not be negative";
  if (!positive(c.law.referenceRatePerS)) return "reference strain rate must be above 0 1/s";
  if (!nonNegative(c.incidentGaugeMm) || !nonNegative(c.transmittedGaugeMm))
    return "gauge distances must not be negative";
  if (!positive(c.samplingMhz)) return "sampling frequency must be above 0 MHz";
  if (c.sampleCount < 400) return "a channel needs at least 400 samples";
  if (c.sampleCount > 50'000'000) return "at most 50000000 samples per channel";
  if (c.arrivalSample < 0 || c.arrivalSample >= c.sampleCount)
    return "the arrival sample must lie within the channel";
  if (c.substeps < 1 || c.substeps > 1000) return "substeps must be 1 to 1000";
  if (c.dispersion) {
    if (!(c.barPoissonRatio >= kMinPoissonRatio && c.barPoissonRatio <= kMaxPoissonRatio))
      return Format("the bars' Poisson's ratio must lie between %.2f and 0.49", kMinPoissonRatio);
    if (!nonNegative(c.dispersionDiameterMm)) return "dispersion diameter must not be negative";
    // Each channel goes through a padded transform held in memory.
    if (c.sampleCount > 2'000'000) return "with dispersion at most 2000000 samples per channel";
  }
  const double cb = IncidentBar(c).waveSpeedMs;
  const double durationUs = TravelUs(2 * c.strikerLengthMm, cb);
  if (c.riseTimeUs > durationUs)
    return Format("rise time must not exceed the pulse duration of %.3f us", durationUs);
  // A hard bar gets hurt long before this; it also keeps the integration meaningful.
  if (c.strikerVelocityMs / (2 * cb) > 0.02) return "striker velocity too high for elastic bars";
  return {};
}

SimResult Simulate(const SimConfig& c) {
  SimResult out;
  out.bar = IncidentBar(c);
  out.trBar = TransmissionBar(c);
  const double cb = out.bar.waveSpeedMs;
  const double ct = out.trBar.waveSpeedMs;
  const bool twoBars = c.transmissionBar.waveSpeedMs > 0;
  const double dtUs = 1.0 / c.samplingMhz;
  const double hUs = dtUs / c.substeps;
  const double hS = hUs * 1e-6;
  const double durationUs = TravelUs(2 * c.strikerLengthMm, cb);
  const double transitUs =
      c.specimenWaveSpeedMs > 0 ? TravelUs(c.specimenThicknessMm, c.specimenWaveSpeedMs) : 0.0;
  const double incToSpecimenUs = TravelUs(c.incidentGaugeMm, cb);
  const double specimenToTrUs = TravelUs(c.transmittedGaugeMm, ct);
  const double arrivalUs = c.arrivalSample * dtUs;

  // A striker of the bar's material at velocity v gives the bar a strain v / (2 Cb).
  const double amplitude = c.strikerVelocityMs / (2 * cb) * 1e6;  // microstrain
  out.incidentAmplitude = amplitude;

  // Force equilibrium: the transmission bar carries the specimen's force, so its strain is
  // As sigma / (Ab Eb); the reflected strain is whatever balances the incident face,
  // eR = eT - eI.
  const double specimenArea = kQuarterPi * c.specimenDiameterMm * c.specimenDiameterMm;
  const double strainPerMpa = specimenArea / (out.trBar.areaMm2 * out.trBar.modulusMpa);
  // Two bars: the front face carries the same force through the incident bar's impedance, so
  // eI + eR = kInc sigma, and the faces close at (Ci (2 eI - kInc sigma) - Ct kTr sigma) / L0.
  const double kInc = specimenArea / (out.bar.areaMm2 * out.bar.modulusMpa);
  const double closing = cb * kInc + ct * strainPerMpa;  // per MPa, times 1 / L0
  // Strain rate of the specimen: the faces move at Cb (eI - eR) and Cb eT, so
  // de/dt = (Cb / L0)(eI - eR - eT) = (2 Cb / L0)(eI - eT) in equilibrium.
  const double cbOverL0 = cb * 1000.0 / c.specimenThicknessMm;  // 1/s

  // The latest specimen time any gauge sample maps to.
  const double lastSampleUs = (c.sampleCount - 1) * dtUs;
  const double earliestDelay =
      std::min(2 * incToSpecimenUs, incToSpecimenUs + transitUs + specimenToTrUs);
  const double spanUs = std::max(0.0, lastSampleUs - arrivalUs - earliestDelay) + 2 * dtUs;
  const auto steps = static_cast<std::size_t>(std::ceil(spanUs / hUs)) + 1;

  std::vector<double> reflected(steps + 1, 0.0), transmitted(steps + 1, 0.0);
  SpecimenState s;
  std::vector<std::pair<double, double>> history;  // (strain, stress) every sample interval
  history.emplace_back(0.0, 0.0);
  double sigma = 0;
  double largest = 0;
  std::size_t largestAt = 0;
  for (std::size_t k = 1; k <= steps; ++k) {
    const double t = static_cast<double>(k) * hUs;
    const double eI = amplitude * 1e-6 * IncidentShape(t, durationUs, c.riseTimeUs);
    // Backward Euler: find the increment d with d = h (2 Cb / L0)(eI - k sigma(d)). The
    // left side minus the right grows strictly with d, so bisection on a bracket finds it.
    const double perL0 = 1000.0 / c.specimenThicknessMm;
    auto g = [&](double d) {
      if (twoBars) {
        return d - hS * perL0 * (2 * cb * eI - closing * StressAfter(c.law, s, d, hS, nullptr));
      }
      return d - hS * 2 * cbOverL0 * (eI - strainPerMpa * StressAfter(c.law, s, d, hS, nullptr));
    };
    double hi = hS * 2 * cbOverL0 * std::max(eI, 0.0);
    double lo =
        twoBars
            ? hS * perL0 *
                  (2 * cb * std::min(eI, 0.0) - closing * StressAfter(c.law, s, hi, hS, nullptr))
            : hS * 2 * cbOverL0 *
                  (std::min(eI, 0.0) - strainPerMpa * StressAfter(c.law, s, hi, hS, nullptr));
    for (int it = 0; it < 200 && hi - lo > 1e-17; ++it) {
      const double mid = 0.5 * (lo + hi);
      if (g(mid) > 0)
        hi = mid;
      else
        lo = mid;
    }
    const double d = 0.5 * (lo + hi);
    double ep = s.plasticStrain;
    sigma = StressAfter(c.law, s, d, hS, &ep);
    s.strain += d;
    s.plasticStrain = ep;
    const double eT = strainPerMpa * sigma;
    transmitted[k] = eT * 1e6;
    reflected[k] = ((twoBars ? kInc * sigma : eT) - eI) * 1e6;
    if (k % static_cast<std::size_t>(c.substeps) == 0) history.emplace_back(s.strain, sigma);
    out.peakStressMpa = std::max(out.peakStressMpa, sigma);
    if (s.strain > largest) {
      largest = s.strain;
      largestAt = k;
    }
  }

  // The loading branch ends at the largest strain: keep the samples taken up to that step, so
  // that no point of the elastic unloading that follows slips in.
  out.truth.assign(history.begin(),
                   history.begin() + static_cast<std::ptrdiff_t>(
                                         std::min(history.size(), largestAt / c.substeps + 1)));
  out.maxStrain = out.truth.back().first;

  // What each gauge records: the incident gauge sees the incident pulse, then the reflected one
  // after travelling to the specimen and back; the transmission gauge sees the transmitted pulse
  // one specimen transit plus its own travel later.
  const auto n = static_cast<std::size_t>(c.sampleCount);
  std::vector<double> incident(n), reflectedAtGauge(n);
  out.transmittedMicrostrain.resize(n);
  for (std::size_t i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) * dtUs - arrivalUs;
    incident[i] = amplitude * IncidentShape(t, durationUs, c.riseTimeUs);
    reflectedAtGauge[i] = Interpolate(reflected, hUs, t - 2 * incToSpecimenUs);
    out.transmittedMicrostrain[i] =
        Interpolate(transmitted, hUs, t - incToSpecimenUs - transitUs - specimenToTrUs);
  }
  if (c.dispersion) {
    // The pulses above are those at the specimen faces, placed where a bar without dispersion
    // would bring them to the gauges; the bar moves each from its face to its gauge.
    const DispersiveBar bar{cb, c.barPoissonRatio, DispersionDiameterMm(c, IncidentBar(c))};
    const BarConstants trBar = TransmissionBar(c);
    const DispersiveBar tr{trBar.waveSpeedMs, c.barPoissonRatio, DispersionDiameterMm(c, trBar)};
    incident = PulseAtGauge(incident, bar, c.incidentGaugeMm, dtUs, PulseTravel::kTowardSpecimen);
    reflectedAtGauge = PulseAtGauge(reflectedAtGauge, bar, c.incidentGaugeMm, dtUs,
                                    PulseTravel::kAwayFromSpecimen);
    out.transmittedMicrostrain = PulseAtGauge(out.transmittedMicrostrain, tr, c.transmittedGaugeMm,
                                              dtUs, PulseTravel::kAwayFromSpecimen);
  }
  out.incidentMicrostrain.resize(n);
  for (std::size_t i = 0; i < n; ++i)
    out.incidentMicrostrain[i] = incident[i] + reflectedAtGauge[i];

  PulseWindows& w = out.windows;
  w.incidentStart = arrivalUs / dtUs;
  w.incidentEnd = (arrivalUs + durationUs + c.riseTimeUs) / dtUs;
  w.reflectedStart = (arrivalUs + 2 * incToSpecimenUs) / dtUs;
  w.reflectedEnd = w.reflectedStart + (durationUs + c.riseTimeUs) / dtUs;
  w.transmittedStart = (arrivalUs + incToSpecimenUs + transitUs + specimenToTrUs) / dtUs;
  // The transmitted pulse ends when the unloaded specimen carries less than 1 % of its peak.
  std::size_t peakAt = 0;
  for (std::size_t k = 0; k <= steps; ++k)
    if (transmitted[k] > transmitted[peakAt]) peakAt = k;
  std::size_t endAt = steps;
  for (std::size_t k = peakAt; k <= steps; ++k) {
    if (transmitted[k] < 0.01 * transmitted[peakAt]) {
      endAt = k;
      break;
    }
  }
  w.transmittedEnd = w.transmittedStart + static_cast<double>(endAt) * hUs / dtUs;
  return out;
}

}  // namespace velk::sim
