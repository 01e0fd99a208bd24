#include "reduction/stress_strain.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <new>
#include <string>
#include <vector>

#include "record/doc_view.h"
#include "record/tr_noop.h"
#include "reduction/bar_stages.h"
#include "reduction/view_access.h"

namespace velk {

namespace {

constexpr double kQuarterPi = 0.78539815;

std::string Num(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%g", v);
  return buf;
}

// Every window the model reads, with the channel it lies on, so that N can be clipped until each
// read stays inside its channel.
struct Reads {
  bool is = false, rs = false, ts = false, tsShifted = false;
};

Reads ReadsOf(int model) {
  switch (model) {
    case kModelIncidentTransmitted:
      return {true, false, true, true};
    case kModelIncidentReflected:
      return {true, true, false, false};
    case kModelReflectedTransmitted:
      return {false, true, true, false};
    case kModelThreeWave:
      return {true, true, false, true};
    default:
      return {true, true, true, true};  // the foam model also resamples from ts
  }
}

// Resamples the transmitted window onto whole-number times of the foam time map t (see the
// caller). d[0] is 0; points the map does not reach repeat the last value it gave.
void ResampleFoam(const std::vector<double>& t, std::span<const double> wt, int ts, int N,
                  std::vector<double>& d) {
  const int n = static_cast<int>(d.size());
  const int qMax = std::min(N + 100, static_cast<int>(wt.size()) - 1 - ts);
  d[0] = 0.0;
  int k = 1, j = 0, q = 0;
  bool stop = false;
  do {
    if (j + 1 > qMax) break;
    const double u = 1.0 - (t[j] - std::trunc(t[j]));
    const double g = t[j] + u;
    q = j + 1;
    while (q <= qMax && t[q] < g) ++q;
    if (q > qMax) break;
    int written = 0;
    for (int m = 0;; ++m) {
      if (m >= 1 && m + u + t[j] > t[q]) break;
      if (m > 1000 || k + m >= n) {
        stop = true;
        break;
      }
      d[k + m] = wt[ts + j] + (wt[ts + q] - wt[ts + j]) / (t[q] - t[j]) * (m + u);
      ++written;
    }
    k += written;
    j = q;
  } while (!stop && q <= N);
  for (int i = std::min(k, n); i < n; ++i) d[i] = d[k - 1];
}

// An infinite or NaN sample inside a window, or a parameter such as an infinite conversion
// factor, would otherwise go out as "inf" and "nan" rows of a result file that looks like a
// success; so would a strain that reaches 1. False, after telling the operator, when a value is
// not finite.
bool AllFinite(const std::array<std::vector<double>, kResultCurveCount>& out, Interaction& ia) {
  static const char* const kNames[kResultCurveCount] = {
      VELK_TRANSLATE_NOOP("velk", "engineering stress"),
      VELK_TRANSLATE_NOOP("velk", "engineering strain"),
      VELK_TRANSLATE_NOOP("velk", "engineering strain rate"),
      VELK_TRANSLATE_NOOP("velk", "true stress"),
      VELK_TRANSLATE_NOOP("velk", "true strain"),
      VELK_TRANSLATE_NOOP("velk", "true strain rate")};
  for (int c = 0; c < kResultCurveCount; ++c) {
    const auto bad =
        std::find_if(out[c].begin(), out[c].end(), [](double v) { return !std::isfinite(v); });
    if (bad != out[c].end()) {
      ia.ShowMessage(
          VELK_TRANSLATE_NOOP(
              "velk",
              "The %1 at result point %2 is not a finite number (%3): a sample inside the wave "
              "windows or a test parameter is not finite, or the specimen strain reached 1. "
              "Nothing "
              "was computed."),
          {kNames[c], std::to_string(bad - out[c].begin()), Num(*bad)});
      return false;
    }
  }
  return true;
}

// The inputs of the one-bar computation.
struct OneBarInputs {
  int model, is, rs, ts, tsShifted, last;
  double Cb, Ki, Kt, Kf, dt, h;
};

// Force F (N), deformation D (mm) and engineering strain rate (1/s) of the specimen between two
// identical bars, by the model's own formulas.
void OneBarHistories(const OneBarInputs& in, const std::vector<double>& WI,
                     const std::vector<double>& WT, std::vector<double>& F, std::vector<double>& D,
                     std::vector<double>& rate) {
  const int is = in.is, rs = in.rs, ts = in.ts, tsShifted = in.tsShifted;
  const double Cb = in.Cb, Ki = in.Ki, Kt = in.Kt, Kf = in.Kf, h = in.h;
  const double Q2 = (Cb + Cb) * in.dt * 1e-9;
  const double Q3 = Cb * in.dt * 1e-9;
  auto wtShifted = [&](int k) { return k < 0 ? 0.0 : WT[k]; };
  double acc = 0.0;
  for (int i = 0; i <= in.last; ++i) {
    switch (in.model) {
      case kModelIncidentTransmitted: {
        const double T = (WT[ts + i] + wtShifted(tsShifted + i)) * Kt * 0.5;
        F[i] = T * Kf;
        const double I = Ki * WI[is + i];
        const double R = T - I;
        acc = acc - R * Q2;
        D[i] = acc;
        rate[i] = Cb * R * (-0.002) / h;
        break;
      }
      case kModelIncidentReflected: {
        F[i] = (WI[rs + i] + WI[is + i]) * Ki * Kf;
        const double R = Ki * WI[rs + i];
        acc = acc - R * Q2;
        D[i] = acc;
        rate[i] = Cb * WI[rs + i] * Ki * (-0.002) / h;
        break;
      }
      case kModelReflectedTransmitted: {
        F[i] = Kt * WT[ts + i] * Kf;
        const double R = Ki * WI[rs + i];
        acc = acc - R * Q2;
        D[i] = acc;
        rate[i] = Cb * WI[rs + i] * Ki * (-0.002) / h;
        break;
      }
      default: {
        const double wt = wtShifted(tsShifted + i);
        F[i] = ((WI[rs + i] + WI[is + i]) * Ki + Kt * wt) * Kf * 0.5;
        const double G = Ki * WI[is + i] - (Ki * WI[rs + i] + Kt * wt);
        acc = acc + G * Q3;
        D[i] = acc;
        rate[i] = Cb * G * 0.001 / h;
        break;
      }
    }
  }
}

// The six result curves from the force and deformation histories; out[kEngStrainRate] already
// holds the engineering strain rate.
void CurvesFromHistories(const std::vector<double>& F, const std::vector<double>& D, double As,
                         double h, std::array<std::vector<double>, kResultCurveCount>& out) {
  for (std::size_t i = 0; i < F.size(); ++i) {
    out[kEngStress][i] = F[i] / As;
    out[kEngStrain][i] = D[i] / h;
    const double w = 1.0 - out[kEngStrain][i];
    out[kTrueStress][i] = w * out[kEngStress][i];
    out[kTrueStrain][i] = -std::log(w);
    out[kTrueStrainRate][i] = out[kEngStrainRate][i] / w;
  }
}

// False, after telling the operator, when the dispersion correction asked for cannot be made:
// an uncorrected result would pass for a corrected one.
bool DispersionUsable(const DispersionRig& rig, bool foam, Interaction& ia) {
  if (foam) {
    ia.ShowMessage(kFoamDispersionRefused);
    return false;
  }
  if (const DispersionProblem problem = CheckDispersionRig(rig)) {
    ia.ShowMessage(problem.text.c_str(), problem.args);
    return false;
  }
  return true;
}

}  // namespace

bool ComputeStressStrain(CVelkDoc& doc, Interaction& ia, FaceWindowMemo* memo) {
  Workspace& ws = doc.ws();
  const TestParameters& p = ws.params;
  const std::vector<double>& WI = doc.m_workInc;
  const std::vector<double>& WT = doc.m_workTr;
  const int n = static_cast<int>(std::min(WI.size(), WT.size()));

  // The parameters are single precision; each is widened before it meets a double.
  const double dt = p.sampleIntervalUs;
  const double h = p.specimenThicknessMm;
  const double cs = p.specimenWaveSpeedMs;
  const double Ds = p.specimenDiameterMm;
  const double Cm = p.matrixWaveSpeedMs;

  doc.SetBarProperties();
  const int model = doc.m_setup.computeModel;
  if (static_cast<unsigned>(model) > 4u) {
    ia.ShowMessage(VELK_TRANSLATE_NOOP("velk", "Error in choosing compute model."));
    return false;
  }
  if (n == 0) {
    ia.ShowMessage(VELK_TRANSLATE_NOOP("velk", "No waves are loaded."));
    return false;
  }
  if (!(dt > 0.0) || !std::isfinite(dt)) {
    ia.ShowMessage(
        VELK_TRANSLATE_NOOP(
            "velk",
            "The sample interval is %1 µs: set a sampling frequency above zero in the setup dialog "
            "before computing."),
        {Num(dt)});
    return false;
  }
  if (!(h > 0.0) || !std::isfinite(h)) {
    ia.ShowMessage(
        VELK_TRANSLATE_NOOP("velk", "The specimen thickness is %1 mm: it must be above zero."),
        {Num(h)});
    return false;
  }
  const double As = Ds * Ds * kQuarterPi;
  if (!(As > 0.0) || !std::isfinite(As)) {
    ia.ShowMessage(
        VELK_TRANSLATE_NOOP("velk", "The specimen diameter is %1 mm: it must not be zero."),
        {Num(Ds)});
    return false;
  }
  const bool foam = model == kModelThreeWaveFoam;
  const bool shifted = doc.m_setup.specimenWaveSpeedMs != 0.0f;
  if ((shifted || foam) && (cs == 0.0 || !std::isfinite(cs))) {
    ia.ShowMessage(
        VELK_TRANSLATE_NOOP(
            "velk",
            "The specimen wave speed of the test parameters is %1 m/s: the time the wave takes to "
            "cross the specimen cannot be found. Enter the specimen wave speed again."),
        {Num(cs)});
    return false;
  }

  const DispersionRig rig = memo ? memo->rig() : DispersionRigOf(p);
  if (p.dispersionCorrection && !DispersionUsable(rig, foam, ia)) return false;

  const int is = doc.m_windows[kIncStart], rs = doc.m_windows[kRefStart];
  const int ts = doc.m_windows[kTrStart], te = doc.m_windows[kTrEnd];
  if (te < ts) {
    ia.ShowMessage(VELK_TRANSLATE_NOOP("velk",
                                       "The transmitted wave window ends at sample %1, before its "
                                       "start at sample %2. Place the "
                                       "windows again."),
                   {std::to_string(te), std::to_string(ts)});
    return false;
  }
  const Reads reads = ReadsOf(model);
  if ((reads.is && is < 0) || (reads.rs && rs < 0) || (reads.ts && ts < 0) ||
      (reads.tsShifted && ts < 0)) {
    ia.ShowMessage(
        VELK_TRANSLATE_NOOP(
            "velk",
            "A wave window starts before the first sample (incident %1, reflected %2, transmitted "
            "%3). Place the windows again."),
        {std::to_string(is), std::to_string(rs), std::to_string(ts)});
    return false;
  }

  // Transit time through the specimen in samples.
  const double X = (h / cs / dt) * 1000;
  int tsShifted = ts;
  if (shifted) {
    // Far outside the channel every read of the shifted window is zero anyway.
    tsShifted = static_cast<int>(std::clamp(std::trunc(ts - X), -1e9, 1e9));
  }

  long long N = static_cast<long long>(te) - ts;
  // A limit of 0 means none: the result runs over the whole transmitted window.
  if (doc.m_resultLimit > 0 && N > doc.m_resultLimit) N = doc.m_resultLimit;
  // Clip N so that every sample the model reads lies inside its channel. The shifted transmitted
  // window may start before sample 0: the rearranged transmitted wave is zero before its window,
  // so samples before the channel read as zero too.
  auto clip = [&](bool used, int base) {
    if (used) N = std::min<long long>(N, static_cast<long long>(n) - 1 - base);
  };
  clip(reads.is, is);
  clip(reads.rs, rs);
  clip(reads.ts, ts);
  clip(reads.tsShifted, tsShifted);
  if (N < 0) {
    ia.ShowMessage(
        VELK_TRANSLATE_NOOP(
            "velk",
            "No result point can be computed: a wave window starts at or beyond the last sample of "
            "the channel (%1 samples). Place the windows again."),
        {std::to_string(n)});
    return false;
  }
  const int last = static_cast<int>(N);

  std::array<std::vector<double>, kResultCurveCount> out, smooth;
  std::vector<double> F, D;
  try {
    for (int c = 0; c < kResultCurveCount; ++c) {
      out[c].assign(last + 1, 0.0);
      smooth[c].assign(last + 1, 0.0);
    }
  } catch (const std::bad_alloc&) {
    ia.ShowMessage(VELK_TRANSLATE_NOOP("velk", "Heap overflow during alloc arrays G & Recs."));
    return false;
  }
  try {
    F.assign(last + 1, 0.0);
    D.assign(last + 1, 0.0);
  } catch (const std::bad_alloc&) {
    ia.ShowMessage(
        VELK_TRANSLATE_NOOP("velk", "Heap overflow during alloc array Force ,Deform & Time."));
    return false;
  }

  const double Cb = p.barWaveSpeedMs;
  const double Eb = p.barModulusMpa;
  const double Ab = p.barAreaMm2;
  const double Ki = p.channel[kIncident].factor;
  const double Kt = p.channel[kTransmitted].factor;
  const double Kf = Eb * Ab * 1e-6;
  std::vector<double>& rate = out[kEngStrainRate];
  // Two identical bars are one bar: the one-bar formulas keep every published digit.
  const bool twoBars =
      p.trBarDiffers && !(p.trBarWaveSpeedMs == p.barWaveSpeedMs &&
                          p.trBarModulusMpa == p.barModulusMpa && p.trBarAreaMm2 == p.barAreaMm2);
  if (twoBars || p.dispersionCorrection) {
    try {
      const PulseWindows w{model, is, rs, ts, tsShifted, last};
      BarPulses atFaces = p.dispersionCorrection
                              ? PulsesAtSpecimenFaces(WI, WT, Ki, Kt, w, rig, memo)
                              : PulsesAtSpecimenFaces(PulsesAtGauges(WI, WT, Ki, Kt, w),
                                                      p.incGaugeDistanceMm, p.trGaugeDistanceMm);
      SpecimenHistories s = SpecimenFromFaces(
          FaceForcesAndVelocities(std::move(atFaces), {Cb, Eb, Ab},
                                  {p.trBarWaveSpeedMs, p.trBarModulusMpa, p.trBarAreaMm2}, model),
          model, dt, h);
      F = std::move(s.forceN);
      D = std::move(s.deformationMm);
      rate = std::move(s.strainRatePerS);
    } catch (const std::bad_alloc&) {
      ia.ShowMessage(
          VELK_TRANSLATE_NOOP("velk", "Heap overflow during alloc array Force ,Deform & Time."));
      return false;
    }
  } else {
    const OneBarInputs in{model, is, rs, ts, tsShifted, last, Cb, Ki, Kt, Kf, dt, h};
    OneBarHistories(in, WI, WT, F, D, rate);
  }
  CurvesFromHistories(F, D, As, h, out);

  if (!AllFinite(out, ia)) return false;

  if (foam) {
    // The foam stress is the transmission bar's force.
    const double KfT = twoBars ? p.trBarModulusMpa * p.trBarAreaMm2 * 1e-6 : Kf;
    auto wtShifted = [&](int k) { return k < 0 ? 0.0 : WT[k]; };
    std::vector<double> t, d;
    try {
      t.assign(static_cast<std::size_t>(last) + 101, 0.0);
      d.assign(n, 0.0);
    } catch (const std::bad_alloc&) {
      ia.ShowMessage(VELK_TRANSLATE_NOOP("velk", "Heap overflow during alloc array t,d4."));
      return false;
    }
    const std::vector<double>& e = out[kEngStrain];
    const double Xf = (h / cs / dt) * 1000;
    for (int i = 0; i <= last + 100; ++i) {
      // Beyond the curve the specimen keeps the last strain reached.
      const double ei = e[std::min(i, last)];
      const double c = (Cm - cs) * ei + cs;
      t[i] = (i + Xf) - (h - h * ei) / (c * dt) * 1000;
      if (!std::isfinite(t[i])) {
        ia.ShowMessage(
            VELK_TRANSLATE_NOOP(
                "velk",
                "The foam correction cannot place the transmitted wave in time: the wave speed in "
                "the specimen falls to zero at strain %1 (matrix wave velocity %2 m/s). Nothing "
                "was "
                "computed."),
            {Num(ei), Num(Cm)});
        return false;
      }
    }
    ResampleFoam(t, WT, ts, last, d);
    for (int i = 0; i <= last - 10; ++i) {
      out[kEngStress][i] = (wtShifted(tsShifted + i) + d[i]) * Kt * KfT * 0.5 / As;
    }
  }

  if (foam && !AllFinite(out, ia)) return false;
  for (int c = 0; c < kResultCurveCount; ++c) {
    std::copy(out[c].begin(), out[c].end(), smooth[c].begin());
    // Moving keeps the vector objects the view is bound to.
    doc.m_computed[c] = std::move(out[c]);
    doc.m_smoothed[c] = std::move(smooth[c]);
  }
  doc.m_lastResultIndex = last;
  ws.Set(kResultsComputed);
  RefreshSmoothedCopies(doc);
  if (DocView* v = doc.m_view) {
    v->ScaleResults();
    v->Redraw();
  }
  doc.m_chooser.resultsEnabled = true;
  doc.NotifyChooser();
  return true;
}

void RefreshSmoothedCopies(CVelkDoc& doc) {
  if (IsWaveKind(CurrentCurveKind(doc))) {
    auto copy = [](const std::vector<double>& raw, std::vector<double>& smooth) {
      const std::size_t n = raw.size();
      if (smooth.size() < n + 1) smooth.resize(n + 1);
      std::copy(raw.begin(), raw.end(), smooth.begin());
      // The spare entry is smoothed as a sample; repeating the last reading keeps the end flat.
      smooth[n] = n > 0 ? raw[n - 1] : 0.0;
    };
    copy(doc.m_rawInc, doc.m_smoothInc);
    copy(doc.m_rawTr, doc.m_smoothTr);
  }
  if (doc.ws().Has(kResultsComputed) && doc.m_lastResultIndex >= 0) {
    for (int c = 0; c < kResultCurveCount; ++c) {
      const auto& from = doc.m_computed[c];
      auto& to = doc.m_smoothed[c];
      const std::size_t count = std::min<std::size_t>(doc.m_lastResultIndex + 1, from.size());
      if (to.size() < count) to.resize(count);
      std::copy(from.begin(), from.begin() + count, to.begin());
    }
  }
}

}  // namespace velk
