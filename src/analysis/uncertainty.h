#pragma once
// Uncertainty of the results by Monte Carlo propagation (GUM Supplement 1): the standard
// uncertainties of the inputs, the seeded draws of their changes, the 95 % coverage band on every
// point of the six result curves and on every summary value, and the first-order sensitivity of
// each summary value to each input. The computation itself is the caller's (see
// uncertainty_record.h for the program's own stress-strain computation).

#include <array>
#include <cstdint>
#include <functional>
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "record/velk_doc.h"

namespace velk {

// Standard uncertainties of the inputs, as the operator states them. The names of the members'
// JSON keys (UncertaintyFields) are the field names of the dialog and of the uncertainty file.
struct UncertaintyInputs {
  double gaugeFactorPercent = 1.0;       // each channel's strain-gauge factor
  double conversionFactorPercent = 1.0;  // each channel's bridge or calibration factor
  double barModulusPercent = 2.0;
  double barWaveSpeedPercent = 1.0;
  double barDiameterMm = 0.02;
  double specimenDiameterMm = 0.02;
  double specimenThicknessMm = 0.02;
  double samplingFrequencyPpm = 50.0;
  // Half-width a of each window start's uncertainty: every start moves by a whole number of
  // samples drawn with equal probability from -a..a (standard uncertainty sqrt(a (a + 1) / 3)).
  int windowStartSamples = 1;
};

// One field of UncertaintyInputs: its JSON key, its label (source text) and its unit.
struct UncertaintyField {
  const char* key;
  const char* label;
  const char* unit;
};
// The nine fields in the order of UncertaintyInputs.
const std::array<UncertaintyField, 9>& UncertaintyFields();

// A bad value, as a message source text with its %1 argument.
struct UncertaintyProblem {
  std::string text;
  std::vector<std::string> args;
  explicit operator bool() const { return !text.empty(); }
};

// Reads the inputs from a JSON object: a missing key keeps the value `in` holds, an unknown key
// or a bad value (negative, not finite, not a number, a window half-width that is not a whole
// number of 0..1000 samples) is refused and leaves `in` unchanged.
UncertaintyProblem ReadUncertaintyInputs(const nlohmann::json& j, UncertaintyInputs& in);
// The same from the text of an uncertainty file; text that is not JSON is refused too.
UncertaintyProblem ParseUncertaintyInputs(std::string_view text, UncertaintyInputs& in);
// nlohmann's conversions. from_json throws std::invalid_argument with the formatted message when
// ReadUncertaintyInputs refuses.
void to_json(nlohmann::json& j, const UncertaintyInputs& in);
void from_json(const nlohmann::json& j, UncertaintyInputs& in);

// The inputs whose sensitivities are reported, each drawn independently.
enum UncertaintyInput {
  kInGaugeFactorInc = 0,
  kInGaugeFactorTr,
  kInConversionFactorInc,
  kInConversionFactorTr,
  kInBarModulus,
  kInBarWaveSpeed,
  kInBarDiameter,
  kInSpecimenDiameter,
  kInSpecimenThickness,
  kInSamplingFrequency,
  kInIncidentStart,
  kInReflectedStart,
  kInTransmittedStart,
  kInputCount
};
// Label (source text) of an input, for the sensitivity table; key for files.
const char* UncertaintyInputLabel(int input);
const char* UncertaintyInputKey(int input);

// Changes of the inputs for one evaluation of the computation.
struct Perturbation {
  std::array<double, 2> gaugeFactorRel{};       // relative change, per Channel
  std::array<double, 2> conversionFactorRel{};  // relative change, per Channel
  double barModulusRel = 0;
  double barWaveSpeedRel = 0;
  double barDiameterMm = 0;  // absolute changes
  double specimenDiameterMm = 0;
  double specimenThicknessMm = 0;
  double samplingFrequencyRel = 0;
  std::array<int, 3> windowStartShift{};  // samples: incident, reflected, transmitted start
};

// The draws of the Monte Carlo run: Gaussian changes of standard deviation the stated
// uncertainty, uniform whole-sample window shifts. Each draw takes the same 13 numbers of one
// std::mt19937_64 stream whatever the uncertainties are (a zero uncertainty gives a zero change),
// and the transforms are written here rather than taken from std::normal_distribution, whose
// output differs between standard libraries: the same seed gives the same draws everywhere.
std::vector<Perturbation> DrawPerturbations(const UncertaintyInputs& in, int count,
                                            std::uint64_t seed);

// The change of one input by `sign` (+1 or -1) times its standard uncertainty; for a window start
// by `sign` times the half-width a (a whole shift). Returns the standard uncertainty in units of
// that change (1, or sqrt(a (a + 1) / 3) / a for a window start; 0 when the input is fixed).
double OneAtATime(const UncertaintyInputs& in, int input, int sign, Perturbation& out);

// What one evaluation of the computation gives.
struct ModelResult {
  std::array<std::vector<double>, kResultCurveCount> curves;
  std::vector<double> scalars;  // the summary values, in a fixed order of the caller's
  std::string failureText;      // why it failed (source text and arguments), when it did
  std::vector<std::string> failureArgs;
};

// One evaluation: false when the computation refused (the draw is then left out).
using UncertaintyModel = std::function<bool(const Perturbation&, ModelResult&)>;
// Makes one model per thread; each model is used by one thread only, so it may own and change
// its own copy of the record. Called on the calling thread of RunUncertainty.
using UncertaintyModelFactory = std::function<UncertaintyModel()>;
// Fraction of the evaluations done (0..1), called on the calling thread; false cancels.
using UncertaintyProgress = std::function<bool(double fraction)>;

inline constexpr std::uint64_t kUncertaintySeed = 20240901;

struct UncertaintyOptions {
  int draws = 2000;
  std::uint64_t seed = kUncertaintySeed;
  int threads = 0;  // 0: one per hardware thread
  double coverage = 0.95;
};

// The coverage band of one curve, on the points of the unperturbed result. A draw whose result is
// shorter contributes to the points it has, a longer one only up to the unperturbed length; so
// each point has its own number of draws. A point without draws has NaN bounds.
struct CurveBand {
  std::vector<double> lower, upper;
  std::vector<int> draws;
};

struct ScalarUncertainty {
  double value = 0;  // the unperturbed value
  double lower = 0;  // coverage interval
  double upper = 0;
  double mean = 0;         // of the draws
  double standardUnc = 0;  // standard deviation of the draws
  int draws = 0;
  // Change of the value when one input changes by its standard uncertainty (central difference
  // of the unperturbed computation at plus and minus that change), and its share of the sum of
  // the squares of all of them. NaN when either evaluation failed.
  std::array<double, kInputCount> changePerUnc{};
  std::array<double, kInputCount> varianceShare{};
  double firstOrderUnc = 0;  // root sum of squares of changePerUnc
};

struct UncertaintyResult {
  bool ok = false;  // false: the unperturbed computation failed, no draw succeeded, or cancelled
  bool cancelled = false;
  ModelResult nominal;
  std::array<CurveBand, kResultCurveCount> bands;
  std::vector<ScalarUncertainty> scalars;
  int drawsUsed = 0;
  int drawsFailed = 0;
  std::string failureText;  // the unperturbed computation's failure, or the first draw's
  std::vector<std::string> failureArgs;
};

// Runs the unperturbed computation, the one-at-a-time sensitivities and the Monte Carlo draws.
// The draws are made up front and each evaluation's result is kept by its draw number, and the
// band's bounds are order statistics, so the result is the same for any number of threads.
UncertaintyResult RunUncertainty(const UncertaintyInputs& in, const UncertaintyModelFactory& make,
                                 const UncertaintyOptions& options = {},
                                 const UncertaintyProgress& progress = {});

// The standard normal quantile (Wichura's AS 241, about 16 digits) for 0 < p < 1.
double StandardNormalQuantile(double p);

// Ranks (1-based, ascending) of the lower and upper end of the probabilistically symmetric
// coverage interval of m sorted values (GUM Supplement 1, 7.7).
std::pair<int, int> CoverageRanks(int m, double coverage);

}  // namespace velk
