#include "reduction/bar_stages.h"

#include "record/setup_fields.h"

namespace velk {

BarPulses PulsesAtGauges(std::span<const double> workInc, std::span<const double> workTr,
                         double incFactor, double trFactor, const PulseWindows& w) {
  const std::size_t count = static_cast<std::size_t>(w.last) + 1;
  BarPulses p{std::vector<double>(count, 0.0), std::vector<double>(count, 0.0),
              std::vector<double>(count, 0.0)};
  const bool inc = w.model != kModelReflectedTransmitted;
  const bool ref = w.model != kModelIncidentTransmitted;
  auto shifted = [&](int k) { return k < 0 ? 0.0 : workTr[k]; };
  for (int i = 0; i <= w.last; ++i) {
    if (inc) p.incident[i] = incFactor * workInc[w.incStart + i];
    if (ref) p.reflected[i] = incFactor * workInc[w.refStart + i];
    switch (w.model) {
      case kModelIncidentTransmitted:
        // The transmitted strain averaged over the window start and the transit-shifted start.
        p.transmitted[i] = (workTr[w.trStart + i] + shifted(w.trStartShifted + i)) * trFactor * 0.5;
        break;
      case kModelIncidentReflected:
        break;
      case kModelReflectedTransmitted:
        p.transmitted[i] = trFactor * workTr[w.trStart + i];
        break;
      default:
        p.transmitted[i] = trFactor * shifted(w.trStartShifted + i);
        break;
    }
  }
  return p;
}

BarPulses PulsesAtSpecimenFaces(BarPulses atGauges, double /*incGaugeMm*/, double /*trGaugeMm*/) {
  return atGauges;
}

DispersionRig DispersionRigOf(const TestParameters& p) {
  return {{p.barWaveSpeedMs, p.barPoisson, p.barDiameterMm},
          {p.trBarWaveSpeedMs, p.trBarPoisson, p.trBarDiameterMm},
          p.incGaugeDistanceMm,
          p.trGaugeDistanceMm,
          p.sampleIntervalUs};
}

DispersionProblem CheckDispersionRig(const DispersionRig& rig) {
  if (auto problem = CheckDispersionInputs(rig.incBar, rig.incGaugeMm, rig.sampleIntervalUs))
    return problem;
  return CheckDispersionInputs(rig.trBar, rig.trGaugeMm, rig.sampleIntervalUs);
}

BarPulses PulsesAtSpecimenFaces(std::span<const double> workInc, std::span<const double> workTr,
                                double incFactor, double trFactor, const PulseWindows& w,
                                const DispersionRig& given, FaceWindowMemo* memo) {
  const DispersionRig& rig = memo ? memo->rig() : given;
  const long count = static_cast<long>(w.last) + 1;
  auto atFace = [&](std::span<const double> wave, long start, const DispersiveBar& bar,
                    double distanceMm, PulseTravel travel, double factor) {
    auto make = [&] {
      const long margin = DispersionMarginSamples(bar, distanceMm, rig.sampleIntervalUs);
      return WindowAtSpecimenFace(wave, start, count, margin, bar, distanceMm, rig.sampleIntervalUs,
                                  travel);
    };
    // The correction is linear, so the channel's factor may scale the corrected window.
    std::vector<double> pulse =
        memo ? memo->Window(wave.data() == workInc.data() ? 0 : 1, start, count, travel, make)
             : make();
    for (double& v : pulse) v *= factor;
    return pulse;
  };
  auto incident = [&](long start, PulseTravel travel) {
    return atFace(workInc, start, rig.incBar, rig.incGaugeMm, travel, incFactor);
  };
  auto transmitted = [&](long start) {
    return atFace(workTr, start, rig.trBar, rig.trGaugeMm, PulseTravel::kAwayFromSpecimen,
                  trFactor);
  };
  BarPulses p{std::vector<double>(count, 0.0), std::vector<double>(count, 0.0),
              std::vector<double>(count, 0.0)};
  if (w.model != kModelReflectedTransmitted)
    p.incident = incident(w.incStart, PulseTravel::kTowardSpecimen);
  if (w.model != kModelIncidentTransmitted)
    p.reflected = incident(w.refStart, PulseTravel::kAwayFromSpecimen);
  switch (w.model) {
    case kModelIncidentTransmitted: {
      // The transmitted strain averaged over the window start and the transit-shifted start.
      const std::vector<double> a = transmitted(w.trStart), b = transmitted(w.trStartShifted);
      for (long i = 0; i < count; ++i) p.transmitted[i] = (a[i] + b[i]) * 0.5;
      break;
    }
    case kModelIncidentReflected:
      break;
    case kModelReflectedTransmitted:
      p.transmitted = transmitted(w.trStart);
      break;
    default:
      p.transmitted = transmitted(w.trStartShifted);
      break;
  }
  return p;
}

FaceHistories FaceForcesAndVelocities(BarPulses p, const BarValues& inc, const BarValues& tr,
                                      int model) {
  // Newton per microstrain of each bar.
  const double zi = inc.modulusMpa * inc.areaMm2 * 1e-6;
  const double zt = tr.modulusMpa * tr.areaMm2 * 1e-6;
  const std::size_t count = p.incident.size();
  FaceHistories f{std::vector<double>(count), std::vector<double>(count),
                  std::vector<double>(count), std::vector<double>(count)};
  for (std::size_t i = 0; i < count; ++i) {
    double& ei = p.incident[i];
    double& er = p.reflected[i];
    double& et = p.transmitted[i];
    if (model == kModelIncidentTransmitted) er = zt / zi * et - ei;
    if (model == kModelIncidentReflected) et = zi * (ei + er) / zt;
    if (model == kModelReflectedTransmitted) ei = zt / zi * et - er;
    f.frontForceN[i] = zi * (ei + er);
    f.backForceN[i] = zt * et;
    f.frontVelocityMs[i] = inc.waveSpeedMs * (ei - er) * 1e-6;
    f.backVelocityMs[i] = tr.waveSpeedMs * et * 1e-6;
  }
  return f;
}

SpecimenHistories SpecimenFromFaces(const FaceHistories& faces, int model, double dtUs,
                                    double hMm) {
  const std::size_t count = faces.frontForceN.size();
  SpecimenHistories s{std::vector<double>(count), std::vector<double>(count),
                      std::vector<double>(count)};
  double acc = 0.0;
  for (std::size_t i = 0; i < count; ++i) {
    switch (model) {
      case kModelIncidentTransmitted:
      case kModelReflectedTransmitted:
        s.forceN[i] = faces.backForceN[i];
        break;
      case kModelIncidentReflected:
        s.forceN[i] = faces.frontForceN[i];
        break;
      default:
        s.forceN[i] = (faces.frontForceN[i] + faces.backForceN[i]) * 0.5;
        break;
    }
    // m/s times µs is µm: 1e-3 mm per sample; m/s over mm is 1e3 per second.
    const double closing = faces.frontVelocityMs[i] - faces.backVelocityMs[i];
    acc += closing * dtUs * 1e-3;
    s.deformationMm[i] = acc;
    s.strainRatePerS[i] = closing * 1e3 / hMm;
  }
  return s;
}

}  // namespace velk
