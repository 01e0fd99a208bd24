#include "analysis/phase_velocity.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>

namespace velk {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Grid of the table: frequency = kScale u / (1 - u) for u = i / kIntervals, which puts half the
// points below f a / c0 = kScale, where the phase velocity turns from c0 towards the Rayleigh
// speed, and reaches infinite frequency at u = 1.
constexpr double kScale = 0.5;
constexpr int kIntervals = 2048;
// Below this normalised frequency the long-wave expansion is exact to double precision, while the
// frequency equation loses digits to cancellation (its terms go as (k a)^4, the root's shift as
// (k a)^6).
constexpr double kLongWaveLimit = 1e-3;

struct Speeds {
  double shear2;         // (cT / c0)^2
  double dilatational2;  // (cL / c0)^2
};

Speeds SpeedsOf(double nu) {
  return {1.0 / (2.0 * (1.0 + nu)), (1.0 - nu) / ((1.0 + nu) * (1.0 - 2.0 * nu))};
}

// e^-x I_n(x): the modified Bessel functions overflow a double beyond x = 700, and the frequency
// equation only needs them up to a common positive factor.
double ScaledI(int n, double x) {
  if (x < 600.0) return std::cyl_bessel_i(n, x) * std::exp(-x);
  // Hankel's expansion; at x >= 600 six terms reach double precision.
  const double mu = 4.0 * n * n;
  double term = 1.0, sum = 1.0;
  for (int k = 1; k <= 8; ++k) {
    term *= -(mu - (2.0 * k - 1) * (2.0 * k - 1)) / (k * 8.0 * x);
    sum += term;
  }
  return sum / std::sqrt(2.0 * kPi * x);
}

// The three Bessel combinations the frequency equation needs of an auxiliary wavenumber w a,
// given its square s (negative when w is imaginary): J0(w a), (w a) J1(w a) and J1(w a) / (w a).
// For an imaginary argument these become I0, -|w a| I1 and I1 / |w a| (times e^-|w a|), so the
// equation stays real and continuous across the shear speed.
struct BesselTerms {
  double j0, xj1, j1OverX;
};

BesselTerms TermsOf(double s) {
  if (s == 0.0) return {1.0, 0.0, 0.5};
  const double x = std::sqrt(std::abs(s));
  if (s > 0.0) {
    const double j1 = std::cyl_bessel_j(1, x);
    return {std::cyl_bessel_j(0, x), x * j1, j1 / x};
  }
  const double i1 = ScaledI(1, x);
  return {ScaledI(0, x), -x * i1, i1 / x};
}

// The Pochhammer-Chree frequency equation of the longitudinal modes (Graff's form, multiplied by
// a^4) at the phase velocity ratio r = c / c0 and normalised frequency f a / c0:
//   2 p (q^2 + x^2) J1(p) J1(q) - (q^2 - x^2)^2 J0(p) J1(q) - 4 x^2 p q J1(p) J0(q) = 0,
// divided by q, with x = k a, p = alpha a, q = beta a the wavenumbers times the radius.
double FrequencyEquation(double r, double frequency, const Speeds& v) {
  const double x = 2.0 * kPi * frequency / r;
  const double x2 = x * x;
  const double p2 = x2 * (r * r / v.dilatational2 - 1.0);
  const double q2 = x2 * (r * r / v.shear2 - 1.0);
  const BesselTerms P = TermsOf(p2), Q = TermsOf(q2);
  const double d = q2 - x2;
  return 2.0 * (q2 + x2) * P.xj1 * Q.j1OverX - d * d * P.j0 * Q.j1OverX - 4.0 * x2 * P.xj1 * Q.j0;
}

// The root of the frequency equation between lo and hi, whose residuals have opposite signs, by
// the Illinois variant of false position: it keeps the bracket like bisection but converges
// superlinearly, which matters because each residual costs four Bessel functions.
double Bisect(double lo, double hi, double frequency, const Speeds& v) {
  double fLo = FrequencyEquation(lo, frequency, v), fHi = FrequencyEquation(hi, frequency, v);
  int side = 0;
  for (int i = 0; i < 200 && hi - lo > 2e-16 * hi; ++i) {
    double mid = (lo * fHi - hi * fLo) / (fHi - fLo);
    // Bisect when false position would land on or outside the bracket.
    if (!(mid > lo && mid < hi)) mid = 0.5 * (lo + hi);
    const double fMid = FrequencyEquation(mid, frequency, v);
    if (fMid == 0.0) return mid;
    if ((fMid < 0.0) == (fLo < 0.0)) {
      lo = mid;
      fLo = fMid;
      if (side == -1) fHi *= 0.5;
      side = -1;
    } else {
      hi = mid;
      fHi = fMid;
      if (side == 1) fLo *= 0.5;
      side = 1;
    }
  }
  return 0.5 * (lo + hi);
}

double LongWaveRatio(double nu, double frequency) {
  // Rayleigh's correction for lateral inertia, c / c0 = 1 - nu^2 pi^2 (a / wavelength)^2.
  return 1.0 - nu * nu * kPi * kPi * frequency * frequency;
}

// The first mode lies below c0 and, for every frequency, below the higher modes; it approaches
// the Rayleigh speed at high frequency. Scanning upward from just below the Rayleigh speed finds
// it as the first change of sign.
double ScanForFirstMode(double nu, double frequency, const Speeds& v) {
  // The next mode lies at least 0.04 c0 above the first.
  const double step = 4e-3;
  double lo = 0.9 * RayleighSpeedRatio(nu);
  double fLo = FrequencyEquation(lo, frequency, v);
  while (lo < 1.0) {
    const double hi = std::min(1.0, lo + step);
    const double fHi = FrequencyEquation(hi, frequency, v);
    if (fHi == 0.0) return hi;
    if ((fHi < 0.0) != (fLo < 0.0)) return Bisect(lo, hi, frequency, v);
    lo = hi;
    fLo = fHi;
  }
  return 1.0;  // not reached for a frequency above zero
}

// The first mode at a frequency a little above one whose ratio is known: the bracket widens
// around the previous root, below it first, until the residual changes sign. The phase velocity
// falls from c0, dips just under the Rayleigh speed and climbs back to it, so the root may lie on
// either side; the next mode lies far above. Falls back to the scan should the search ever fail.
double FollowFirstMode(double nu, double frequency, double previous, const Speeds& v) {
  const double floor = 0.9 * RayleighSpeedRatio(nu);
  const double fAt = FrequencyEquation(previous, frequency, v);
  if (fAt == 0.0) return previous;
  for (double d = 1e-7; previous - d > floor; d *= 2.0) {
    const double lo = previous - d, hi = std::min(1.0, previous + d);
    if ((FrequencyEquation(lo, frequency, v) < 0.0) != (fAt < 0.0))
      return Bisect(lo, previous, frequency, v);
    if ((FrequencyEquation(hi, frequency, v) < 0.0) != (fAt < 0.0))
      return Bisect(previous, hi, frequency, v);
  }
  return ScanForFirstMode(nu, frequency, v);
}

double GridFrequency(int i) {
  const double u = static_cast<double>(i) / kIntervals;
  return kScale * u / (1.0 - u);
}

}  // namespace

double RayleighSpeedRatio(double nu) {
  // The root in (0, cT) of (2 - eta)^2 = 4 sqrt(1 - kappa eta) sqrt(1 - eta), eta = (c / cT)^2,
  // kappa = (cT / cL)^2; the left side minus the right is positive at 0+ and negative below 1.
  const Speeds v = SpeedsOf(nu);
  const double kappa = v.shear2 / v.dilatational2;
  auto rayleigh = [kappa](double eta) {
    return (2.0 - eta) * (2.0 - eta) - 4.0 * std::sqrt(1.0 - kappa * eta) * std::sqrt(1.0 - eta);
  };
  double lo = 0.5, hi = 1.0;  // cR / cT lies above 0.87 for every Poisson's ratio
  for (int i = 0; i < 200 && hi - lo > 1e-17; ++i) {
    const double mid = 0.5 * (lo + hi);
    (rayleigh(mid) > 0.0 ? hi : lo) = mid;
  }
  return std::sqrt(0.5 * (lo + hi) * v.shear2);
}

double SolvePhaseVelocityRatio(double nu, double frequency) {
  frequency = std::abs(frequency);
  if (frequency < kLongWaveLimit) return LongWaveRatio(nu, frequency);
  return ScanForFirstMode(nu, frequency, SpeedsOf(nu));
}

PhaseVelocityTable::PhaseVelocityTable(double nu) : m_poissonRatio(nu) {
  const Speeds v = SpeedsOf(nu);
  m_ratio.resize(kIntervals + 1);
  m_ratio[0] = 1.0;
  for (int i = 1; i < kIntervals; ++i) {
    const double f = GridFrequency(i);
    m_ratio[i] =
        f < kLongWaveLimit ? LongWaveRatio(nu, f) : FollowFirstMode(nu, f, m_ratio[i - 1], v);
  }
  m_ratio[kIntervals] = RayleighSpeedRatio(nu);
}

double PhaseVelocityTable::Ratio(double frequency) const {
  frequency = std::abs(frequency);
  if (frequency < kLongWaveLimit) return LongWaveRatio(m_poissonRatio, frequency);
  if (!std::isfinite(frequency)) return m_ratio.back();
  const double x = frequency / (frequency + kScale) * kIntervals;
  // Four-point Lagrange interpolation on the points around x, shifted inward at the ends.
  const int i = std::clamp(static_cast<int>(x) - 1, 0, kIntervals - 3);
  const double t = x - i;
  const double* y = &m_ratio[static_cast<std::size_t>(i)];
  return -y[0] * (t - 1) * (t - 2) * (t - 3) / 6 + y[1] * t * (t - 2) * (t - 3) / 2 -
         y[2] * t * (t - 1) * (t - 3) / 2 + y[3] * t * (t - 1) * (t - 2) / 6;
}

std::shared_ptr<const PhaseVelocityTable> PhaseVelocityTableFor(double nu) {
  static std::mutex mutex;
  static std::map<double, std::shared_ptr<const PhaseVelocityTable>> tables;
  // Building a table takes a few tens of milliseconds; holding the lock meanwhile keeps two
  // threads that want the same bar from building it twice.
  const std::lock_guard lock(mutex);
  auto& table = tables[nu];
  if (!table) table = std::make_shared<const PhaseVelocityTable>(nu);
  return table;
}

double PhaseVelocityMs(const DispersiveBar& bar, double frequencyHz) {
  const double radiusM = 0.5e-3 * bar.diameterMm;
  const double normalised = std::abs(frequencyHz) * radiusM / bar.waveSpeedMs;
  return bar.waveSpeedMs * PhaseVelocityTableFor(bar.poissonRatio)->Ratio(normalised);
}

}  // namespace velk
