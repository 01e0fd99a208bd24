// The stated uncertainties: their file form, and the draws and one-at-a-time changes made from
// them.

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <random>
#include <stdexcept>

#include "analysis/uncertainty.h"
#include "record/scripted_interaction.h"
#include "record/tr_noop.h"

namespace velk {

namespace {

// Members in the order of UncertaintyFields; the window half-width is the one integer.
constexpr std::array<double UncertaintyInputs::*, 8> kRealMembers = {
    &UncertaintyInputs::gaugeFactorPercent,  &UncertaintyInputs::conversionFactorPercent,
    &UncertaintyInputs::barModulusPercent,   &UncertaintyInputs::barWaveSpeedPercent,
    &UncertaintyInputs::barDiameterMm,       &UncertaintyInputs::specimenDiameterMm,
    &UncertaintyInputs::specimenThicknessMm, &UncertaintyInputs::samplingFrequencyPpm};
constexpr int kMaxWindowShift = 1000;

}  // namespace

const std::array<UncertaintyField, 9>& UncertaintyFields() {
  static const std::array<UncertaintyField, 9> kFields = {{
      {"gauge_factor_percent", VELK_TRANSLATE_NOOP("velk", "应变片灵敏系数"), "%"},
      {"conversion_factor_percent", VELK_TRANSLATE_NOOP("velk", "桥路或标定系数"), "%"},
      {"bar_modulus_percent", VELK_TRANSLATE_NOOP("velk", "压杆弹性模量"), "%"},
      {"bar_wave_speed_percent", VELK_TRANSLATE_NOOP("velk", "压杆波速"), "%"},
      {"bar_diameter_mm", VELK_TRANSLATE_NOOP("velk", "压杆直径"), "mm"},
      {"specimen_diameter_mm", VELK_TRANSLATE_NOOP("velk", "试样直径"), "mm"},
      {"specimen_thickness_mm", VELK_TRANSLATE_NOOP("velk", "试样厚度"), "mm"},
      {"sampling_frequency_ppm", VELK_TRANSLATE_NOOP("velk", "采样频率"), "ppm"},
      {"window_start_samples", VELK_TRANSLATE_NOOP("velk", "波窗起点"),
       VELK_TRANSLATE_NOOP("velk", "采样点")},
  }};
  return kFields;
}

UncertaintyProblem ReadUncertaintyInputs(const nlohmann::json& j, UncertaintyInputs& in) {
  if (!j.is_object())
    return {VELK_TRANSLATE_NOOP("velk", "不确定度文件的内容必须是一个 JSON 对象。"), {}};
  const auto& fields = UncertaintyFields();
  UncertaintyInputs read = in;
  for (const auto& item : j.items()) {
    const std::string& key = item.key();
    const nlohmann::json& value = item.value();
    const auto f = std::find_if(fields.begin(), fields.end(),
                                [&](const UncertaintyField& x) { return key == x.key; });
    if (f == fields.end())
      return {VELK_TRANSLATE_NOOP("velk", "不确定度文件中的名称“%1”不认识。"), {key}};
    const auto index = static_cast<std::size_t>(f - fields.begin());
    const double v = value.is_number() ? value.get<double>() : NAN;
    if (index < kRealMembers.size()) {
      if (!std::isfinite(v) || v < 0.0) {
        return {VELK_TRANSLATE_NOOP("velk", "不确定度“%1”的值 %2 不可用：须为不小于零的数。"),
                {key, value.dump()}};
      }
      read.*kRealMembers[index] = v;
    } else {
      if (!(v >= 0.0 && v <= kMaxWindowShift) || std::trunc(v) != v) {
        return {VELK_TRANSLATE_NOOP(
                    "velk", "不确定度“%1”的值 %2 不可用：须为 0 至 %3 之间的整数（采样点数）。"),
                {key, value.dump(), std::to_string(kMaxWindowShift)}};
      }
      read.windowStartSamples = static_cast<int>(v);
    }
  }
  in = read;
  return {};
}

UncertaintyProblem ParseUncertaintyInputs(std::string_view text, UncertaintyInputs& in) {
  const nlohmann::json j = nlohmann::json::parse(text, nullptr, false);
  if (j.is_discarded())
    return {VELK_TRANSLATE_NOOP("velk", "不确定度文件不是有效的 JSON 文本。"), {}};
  return ReadUncertaintyInputs(j, in);
}

void to_json(nlohmann::json& j, const UncertaintyInputs& in) {
  const auto& fields = UncertaintyFields();
  j = nlohmann::json::object();
  for (std::size_t i = 0; i < kRealMembers.size(); ++i) j[fields[i].key] = in.*kRealMembers[i];
  j[fields[kRealMembers.size()].key] = in.windowStartSamples;
}

void from_json(const nlohmann::json& j, UncertaintyInputs& in) {
  if (const UncertaintyProblem p = ReadUncertaintyInputs(j, in)) {
    throw std::invalid_argument(FormatArgs(p.text, p.args));
  }
}

const char* UncertaintyInputLabel(int input) {
  static const char* const kLabels[kInputCount] = {
      VELK_TRANSLATE_NOOP("velk", "入射杆应变片灵敏系数"),
      VELK_TRANSLATE_NOOP("velk", "透射杆应变片灵敏系数"),
      VELK_TRANSLATE_NOOP("velk", "入射通道转换系数"),
      VELK_TRANSLATE_NOOP("velk", "透射通道转换系数"),
      VELK_TRANSLATE_NOOP("velk", "压杆弹性模量"),
      VELK_TRANSLATE_NOOP("velk", "压杆波速"),
      VELK_TRANSLATE_NOOP("velk", "压杆直径"),
      VELK_TRANSLATE_NOOP("velk", "试样直径"),
      VELK_TRANSLATE_NOOP("velk", "试样厚度"),
      VELK_TRANSLATE_NOOP("velk", "采样频率"),
      VELK_TRANSLATE_NOOP("velk", "入射波起点"),
      VELK_TRANSLATE_NOOP("velk", "反射波起点"),
      VELK_TRANSLATE_NOOP("velk", "透射波起点")};
  return input >= 0 && input < kInputCount ? kLabels[input] : "";
}

const char* UncertaintyInputKey(int input) {
  static const char* const kKeys[kInputCount] = {"gauge_factor_incident",
                                                 "gauge_factor_transmitted",
                                                 "conversion_factor_incident",
                                                 "conversion_factor_transmitted",
                                                 "bar_modulus",
                                                 "bar_wave_speed",
                                                 "bar_diameter",
                                                 "specimen_diameter",
                                                 "specimen_thickness",
                                                 "sampling_frequency",
                                                 "incident_start",
                                                 "reflected_start",
                                                 "transmitted_start"};
  return input >= 0 && input < kInputCount ? kKeys[input] : "";
}

double StandardNormalQuantile(double p) {
  const double q = p - 0.5;
  if (std::fabs(q) <= 0.425) {
    const double r = 0.180625 - q * q;
    return q *
           (((((((2509.0809287301226727 * r + 33430.575583588128105) * r + 67265.770927008700853) *
                    r +
                45921.953931549871457) *
                   r +
               13731.693765509461125) *
                  r +
              1971.5909503065514427) *
                 r +
             133.14166789178437745) *
                r +
            3.387132872796366608) /
           (((((((5226.495278852545925 * r + 28729.085735721942674) * r + 39307.89580009271061) *
                    r +
                21213.794301586595867) *
                   r +
               5394.1960214247511077) *
                  r +
              687.1870074920579083) *
                 r +
             42.313330701600911252) *
                r +
            1.0);
  }
  double r = std::sqrt(-std::log(q < 0 ? p : 1.0 - p));
  double v;
  if (r <= 5.0) {
    r -= 1.6;
    v = (((((((7.7454501427834140764e-4 * r + 0.0227238449892691845833) * r +
              0.24178072517745061177) *
                 r +
             1.27045825245236838258) *
                r +
            3.64784832476320460504) *
               r +
           5.7694972214606914055) *
              r +
          4.6303378461565452959) *
             r +
         1.42343711074968357734) /
        (((((((1.05075007164441684324e-9 * r + 5.475938084995344946e-4) * r +
              0.0151986665636164571966) *
                 r +
             0.14810397642748007459) *
                r +
            0.68976733498510000455) *
               r +
           1.6763848301838038494) *
              r +
          2.05319162663775882187) *
             r +
         1.0);
  } else {
    r -= 5.0;
    v = (((((((2.01033439929228813265e-7 * r + 2.71155556874348757815e-5) * r +
              0.0012426609473880784386) *
                 r +
             0.026532189526576123093) *
                r +
            0.29656057182850489123) *
               r +
           1.7848265399172913358) *
              r +
          5.4637849111641143699) *
             r +
         6.6579046435011037772) /
        (((((((2.04426310338993978564e-15 * r + 1.4215117583164458887e-7) * r +
              1.8463183175100546818e-5) *
                 r +
             7.868691311456132591e-4) *
                r +
            0.0148753612908506148525) *
               r +
           0.13692988092273580531) *
              r +
          0.59983220655588793769) *
             r +
         1.0);
  }
  return q < 0 ? -v : v;
}

namespace {

// The engine's output is fixed by the standard for every implementation; the transform to (0, 1)
// never gives 0 or 1, so every quantile is finite.
double OpenUniform(std::mt19937_64& g) {
  return (static_cast<double>(g() >> 11) + 0.5) * 0x1.0p-53;
}

}  // namespace

std::vector<Perturbation> DrawPerturbations(const UncertaintyInputs& in, int count,
                                            std::uint64_t seed) {
  std::mt19937_64 g(seed);
  auto normal = [&](double sd) { return sd * StandardNormalQuantile(OpenUniform(g)); };
  const int a = in.windowStartSamples;
  auto shift = [&] { return static_cast<int>(std::floor(OpenUniform(g) * (2 * a + 1))) - a; };
  std::vector<Perturbation> draws(static_cast<std::size_t>(std::max(count, 0)));
  for (Perturbation& d : draws) {
    for (double& x : d.gaugeFactorRel) x = normal(in.gaugeFactorPercent * 0.01);
    for (double& x : d.conversionFactorRel) x = normal(in.conversionFactorPercent * 0.01);
    d.barModulusRel = normal(in.barModulusPercent * 0.01);
    d.barWaveSpeedRel = normal(in.barWaveSpeedPercent * 0.01);
    d.barDiameterMm = normal(in.barDiameterMm);
    d.specimenDiameterMm = normal(in.specimenDiameterMm);
    d.specimenThicknessMm = normal(in.specimenThicknessMm);
    d.samplingFrequencyRel = normal(in.samplingFrequencyPpm * 1e-6);
    for (int& s : d.windowStartShift) s = shift();
  }
  return draws;
}

double OneAtATime(const UncertaintyInputs& in, int input, int sign, Perturbation& out) {
  out = Perturbation{};
  const double s = sign < 0 ? -1.0 : 1.0;
  double u = 0.0;
  auto set = [&](double& member, double unc) {
    member = s * unc;
    u = unc > 0.0 ? 1.0 : 0.0;
  };
  switch (input) {
    case kInGaugeFactorInc:
    case kInGaugeFactorTr:
      set(out.gaugeFactorRel[input - kInGaugeFactorInc], in.gaugeFactorPercent * 0.01);
      break;
    case kInConversionFactorInc:
    case kInConversionFactorTr:
      set(out.conversionFactorRel[input - kInConversionFactorInc],
          in.conversionFactorPercent * 0.01);
      break;
    case kInBarModulus:
      set(out.barModulusRel, in.barModulusPercent * 0.01);
      break;
    case kInBarWaveSpeed:
      set(out.barWaveSpeedRel, in.barWaveSpeedPercent * 0.01);
      break;
    case kInBarDiameter:
      set(out.barDiameterMm, in.barDiameterMm);
      break;
    case kInSpecimenDiameter:
      set(out.specimenDiameterMm, in.specimenDiameterMm);
      break;
    case kInSpecimenThickness:
      set(out.specimenThicknessMm, in.specimenThicknessMm);
      break;
    case kInSamplingFrequency:
      set(out.samplingFrequencyRel, in.samplingFrequencyPpm * 1e-6);
      break;
    case kInIncidentStart:
    case kInReflectedStart:
    case kInTransmittedStart: {
      const int a = in.windowStartSamples;
      out.windowStartShift[input - kInIncidentStart] = sign < 0 ? -a : a;
      u = a > 0 ? std::sqrt(a * (a + 1.0) / 3.0) / a : 0.0;
      break;
    }
    default:
      break;
  }
  return u;
}

}  // namespace velk
