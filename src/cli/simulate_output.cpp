#include "cli/simulate_output.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>

namespace velk::sim {

double BridgeFactor(double arms, double bridgeVolt, double gain, double gaugeFactor) {
  double product = gain * bridgeVolt * gaugeFactor * arms;
  if (product == 0.0) product = 1000000.0;
  return 4000000.0 / product;
}

std::string CheckRecorder(const RecorderSettings& r) {
  for (const ChannelScale* c : {&r.incident, &r.transmitted}) {
    if (!std::isfinite(c->factor) || c->factor <= 0)
      return "conversion factors must be above 0 microstrain per unit";
    if (!std::isfinite(c->offset)) return "offsets must be finite";
  }
  if (!std::isfinite(r.noiseStd) || r.noiseStd < 0) return "noise must not be negative";
  if (r.bits < 0 || r.bits > 32) return "bits must be 0 to 32";
  if (r.bits > 0 && (!std::isfinite(r.range) || r.range <= 0))
    return "quantisation needs a range above 0";
  return {};
}

GaussianNoise::GaussianNoise(std::uint64_t seed) : m_engine(seed) {}

double GaussianNoise::Uniform() {
  // 53 random bits, shifted into (0, 1] so that the logarithm below stays finite.
  return (static_cast<double>(m_engine() >> 11) + 1.0) * 0x1.0p-53;
}

double GaussianNoise::Next() {
  if (m_hasSpare) {
    m_hasSpare = false;
    return m_spare;
  }
  const double r = std::sqrt(-2.0 * std::log(Uniform()));
  const double a = 2.0 * 3.14159265358979323846 * Uniform();
  m_spare = r * std::sin(a);
  m_hasSpare = true;
  return r * std::cos(a);
}

RecordedChannels Record(const std::vector<double>& incidentMicrostrain,
                        const std::vector<double>& transmittedMicrostrain,
                        const RecorderSettings& r) {
  GaussianNoise noise(r.seed);
  const double step = r.bits > 0 ? r.range / std::ldexp(1.0, r.bits) : 0.0;
  auto convert = [&](const std::vector<double>& strain, const ChannelScale& scale) {
    std::vector<double> out(strain.size());
    for (std::size_t i = 0; i < strain.size(); ++i) {
      // The analogue signal: strain through the bridge chain, plus the recorder's offset and
      // noise; the converter then rounds it to its nearest level and clips at its span.
      double v = strain[i] / scale.factor + scale.offset;
      if (r.noiseStd > 0) v += r.noiseStd * noise.Next();
      if (step > 0) {
        v = std::round(v / step) * step;
        v = std::clamp(v, -0.5 * r.range, 0.5 * r.range - step);
      }
      out[i] = v;
    }
    return out;
  };
  RecordedChannels out;
  out.incident = convert(incidentMicrostrain, r.incident);
  out.transmitted = convert(transmittedMicrostrain, r.transmitted);
  return out;
}

std::string FixedText(double v, int decimals) {
  char buf[400];
  const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
  if (res.ec != std::errc()) return "0";
  return std::string(buf, res.ptr);
}

namespace {

// Writes the whole text or reports why not.
std::string WriteText(const std::string& path, const std::string& text) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  if (!f) return "cannot create " + path;
  f.write(text.data(), static_cast<std::streamsize>(text.size()));
  f.close();
  if (!f) return "cannot write " + path;
  return {};
}

}  // namespace

std::string WriteTektronix(const std::string& path, const std::vector<double>& samples,
                           double sampleIntervalUs) {
  // Record length, then three header numbers the reader skips: the sample interval in
  // seconds, the trigger position and the vertical offset, as an oscilloscope states them.
  std::string text = std::to_string(samples.size()) + "\n";
  char interval[64];
  const auto res = std::to_chars(interval, interval + sizeof interval, sampleIntervalUs * 1e-6,
                                 std::chars_format::scientific, 6);
  text.append(interval, res.ptr);
  text += "\n0\n0\n";
  for (double v : samples) text += FixedText(v, 6) + "\n";
  return WriteText(path, text);
}

std::string WriteCs20000(const std::string& path, const std::vector<double>& samples) {
  // No header and no count: eight samples a line, blank separated, as the recorder dumps them.
  std::string text;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    text += FixedText(samples[i], 6);
    text += (i % 8 == 7 || i + 1 == samples.size()) ? "\n" : " ";
  }
  return WriteText(path, text);
}

std::string WriteRecordFile(const std::string& path, const std::vector<double>& incident,
                            const std::vector<double>& transmitted, int decimals) {
  // The recorder stores readings with 512 added; the reader takes it off again.
  std::string text;
  for (const auto* ch : {&incident, &transmitted})
    for (double v : *ch) text += FixedText(v + 512.0, decimals) + "\n";
  return WriteText(path, text);
}

std::string WriteTruth(const std::string& path,
                       const std::vector<std::pair<double, double>>& truth) {
  std::string text;
  for (const auto& [strain, stress] : truth)
    text += FixedText(strain, 8) + " " + FixedText(stress, 6) + "\n";
  return WriteText(path, text);
}

}  // namespace velk::sim
