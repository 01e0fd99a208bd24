#include "cli/simulate_formats.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace velk::sim {

namespace {

constexpr RecordingLayoutName kLayouts[] = {
    {"isf1", RecordingLayout::kIsf1, 2},
    {"isf2", RecordingLayout::kIsf2, 2},
    {"isf2-lsb", RecordingLayout::kIsf2Lsb, 2},
    {"tek-csv-legacy", RecordingLayout::kTekCsvLegacy, 2},
    {"tek-csv-perf", RecordingLayout::kTekCsvPerf, 2},
    {"tek-csv", RecordingLayout::kTekCsv, 1},
    {"trc", RecordingLayout::kTrc, 2},
    {"csv-comma-mv", RecordingLayout::kCsvCommaMv, 1},
};

// Digitiser levels per vertical division: 8-bit Tektronix scopes put 25 levels in a division,
// their 16-bit records 6400 (the same screen, 256 times finer).
constexpr double kLevelsPerDiv8 = 25;
constexpr double kLevelsPerDiv16 = 6400;

std::string WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  if (!f) return "cannot create " + path;
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  f.close();
  if (!f) return "cannot write " + path;
  return {};
}

double ParseBack(const std::string& text) {
  double v = 0;
  std::from_chars(text.data(), text.data() + text.size(), v);
  return v;
}

// "%.<digits>g" without the C locale.
std::string General(double v, int digits) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, digits);
  return std::string(buf, r.ptr);
}

// "%.<digits>E" (two-digit exponent at least), as the older scopes print header numbers.
std::string Scientific(double v, int digits) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, digits);
  std::string s(buf, r.ptr);
  for (char& c : s)
    if (c == 'e') c = 'E';
  return s;
}

// Fixed decimals with the trailing zeros dropped ("-0.00000033", "0.0056", "0").
std::string Plain(double v, int decimals) {
  std::string s = FixedText(v, decimals);
  if (s.find('.') != std::string::npos) {
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
  }
  if (s == "-0") s = "0";
  return s;
}

// Decimals that show every sample time of this interval exactly (a few beyond its first digit).
int TimeDecimals(double intervalS) {
  return std::clamp(3 - static_cast<int>(std::floor(std::log10(intervalS))), 0, 15);
}

// The vertical setting a careful operator would choose: the trace's baseline as the offset
// (rounded to 0.1 mV) and the smallest 1-2-5 volts per division that keeps the trace within four
// divisions of it.
struct VerticalScale {
  double voltsPerDiv = 1;
  double offsetV = 0;
};

VerticalScale ChooseScale(const std::vector<double>& v) {
  VerticalScale s;
  const std::size_t base = std::min<std::size_t>(v.size(), 100);
  double sum = 0;
  for (std::size_t i = 0; i < base; ++i) sum += v[i];
  if (base > 0) s.offsetV = std::round(sum / static_cast<double>(base) * 1e4) / 1e4;
  double span = 0;
  for (double x : v) span = std::max(span, std::abs(x - s.offsetV));
  for (double decade = 1e-3; decade <= 1e3; decade *= 10) {
    for (double m : {1.0, 2.0, 5.0}) {
      s.voltsPerDiv = m * decade;
      if (span <= 4 * s.voltsPerDiv) return s;
    }
  }
  return s;
}

std::vector<double> TimesOf(std::size_t n, double intervalS, int triggerSample) {
  std::vector<double> t(n);
  for (std::size_t i = 0; i < n; ++i) t[i] = (static_cast<double>(i) - triggerSample) * intervalS;
  return t;
}

// The channel rounded to the levels of its scale, in volts, as the scope shows it.
std::vector<double> OnLevels(const std::vector<double>& v, const VerticalScale& s,
                             double levelsPerDiv) {
  const double level = s.voltsPerDiv / levelsPerDiv;
  std::vector<double> out(v.size());
  for (std::size_t i = 0; i < v.size(); ++i)
    out[i] = s.offsetV + std::round((v[i] - s.offsetV) / level) * level;
  return out;
}

// ---------------------------------------------------------------- ISF

std::string WriteIsf(const std::string& path, const std::vector<double>& v, int channel,
                     double intervalS, int triggerSample, int bytes, bool msbFirst) {
  const VerticalScale s = ChooseScale(v);
  const double levelsPerDiv = bytes == 1 ? kLevelsPerDiv8 : kLevelsPerDiv16;
  // The header's own numbers are what a reader has, so the samples are rounded with them.
  const std::string ymultText = TekEngineering(s.voltsPerDiv / levelsPerDiv);
  const std::string yzeroText = TekEngineering(s.offsetV);
  const double ymult = ParseBack(ymultText), yzero = ParseBack(yzeroText);
  // The trace sits one division below the centre of the screen.
  const int yoff = -static_cast<int>(levelsPerDiv);
  const double limit = bytes == 1 ? 127 : 32767;
  const std::size_t n = v.size();
  const std::size_t blockLength = n * static_cast<std::size_t>(bytes);
  const std::string lengthText = std::to_string(blockLength);

  char wfid[160];
  std::snprintf(wfid, sizeof wfid,
                "Ch%d, DC coupling, %.1fmV/div, %.1fus/div, %zu points, Sample mode", channel,
                s.voltsPerDiv * 1e3, intervalS * static_cast<double>(n) / 10 * 1e6, n);
  std::string text =
      ":WFMPRE:BYT_NR " + std::to_string(bytes) + ";BIT_NR " + std::to_string(8 * bytes) +
      ";ENCDG BIN;BN_FMT RI;BYT_OR " + (msbFirst ? "MSB" : "LSB") + ";WFID \"" + wfid +
      "\";NR_PT " + std::to_string(n) + ";PT_FMT Y;XUNIT \"s\";XINCR " + TekEngineering(intervalS) +
      ";XZERO " + TekEngineering(-triggerSample * intervalS) + ";PT_OFF 0;YUNIT \"V\";YMULT " +
      ymultText + ";YOFF " + TekEngineering(yoff) + ";YZERO " + yzeroText + ";:CURVE #" +
      std::to_string(lengthText.size()) + lengthText;
  const std::size_t head = text.size();
  text.resize(head + blockLength);
  for (std::size_t i = 0; i < n; ++i) {
    const double raw = std::clamp(std::round((v[i] - yzero) / ymult) + yoff, -limit - 1, limit);
    const auto word = static_cast<std::uint16_t>(static_cast<std::int16_t>(raw));
    char* out = &text[head + i * static_cast<std::size_t>(bytes)];
    if (bytes == 1) {
      out[0] = static_cast<char>(word & 0xff);
    } else {
      out[msbFirst ? 0 : 1] = static_cast<char>(word >> 8);
      out[msbFirst ? 1 : 0] = static_cast<char>(word & 0xff);
    }
  }
  text += '\n';
  return WriteBytes(path, text);
}

// ---------------------------------------------------------------- Tektronix CSV

std::string WriteTekCsvLegacy(const std::string& path, const std::vector<double>& v, int channel,
                              double intervalS, int triggerSample) {
  const VerticalScale s = ChooseScale(v);
  const std::vector<double> shown = OnLevels(v, s, kLevelsPerDiv8);
  const std::vector<double> t = TimesOf(v.size(), intervalS, triggerSample);
  const std::string header[][2] = {
      {"Record Length", Scientific(static_cast<double>(v.size()), 2)},
      {"Sample Interval", Scientific(intervalS, 2)},
      {"Trigger Point", Scientific(triggerSample, 2)},
      {"", ""},
      {"", ""},
      {"", ""},
      {"Source", "CH" + std::to_string(channel)},
      {"Vertical Units", "V"},
      {"Vertical Scale", Scientific(s.voltsPerDiv, 2)},
      {"Vertical Offset", Scientific(-s.offsetV, 2)},
      {"Horizontal Units", "s"},
      {"Horizontal Scale", Scientific(intervalS * static_cast<double>(v.size()) / 10, 2)},
      {"Pt Fmt", "Y"},
      {"Yzero", Scientific(0, 2)},
      {"Probe Atten", Scientific(1, 2)},
      {"Model Number", "TDS2012C"},
      {"Serial Number", "C000000"},
      {"Firmware Version", "FV:v24.26"},
  };
  const int decimals = TimeDecimals(intervalS);
  std::string text;
  for (std::size_t i = 0; i < v.size(); ++i) {
    if (i < std::size(header)) {
      text += header[i][0] + ',' + header[i][1] + ',';
    } else {
      text += ",,";
    }
    text += ',' + Plain(t[i], decimals) + ',' + General(shown[i], 7) + '\n';
  }
  return WriteBytes(path, text);
}

std::string WriteTekCsvPerf(const std::string& path, const std::vector<double>& v, double intervalS,
                            int triggerSample) {
  const VerticalScale s = ChooseScale(v);
  const std::vector<double> shown = OnLevels(v, s, kLevelsPerDiv16);
  const std::vector<double> t = TimesOf(v.size(), intervalS, triggerSample);
  const std::string header[] = {
      "\"Record Length\"," + Scientific(static_cast<double>(v.size()), 6) + ",\"Points\"",
      "\"Sample Interval\"," + Scientific(intervalS, 6) + ",s",
      "\"Trigger Point\"," + Scientific(triggerSample, 12) + ",\"Samples\"",
      "\"Trigger Time\"," + Scientific(0, 6) + ",s",
      ",,",
      "\"Horizontal Offset\"," + Scientific(0, 6) + ",s",
  };
  std::string text;
  for (std::size_t i = 0; i < v.size(); ++i) {
    text += i < std::size(header) ? header[i] : std::string(",,");
    text += ',' + Scientific(t[i], 9) + ',' + General(shown[i], 9) + "\r\n";
  }
  return WriteBytes(path, text);
}

std::string WriteTekCsvNew(const std::string& path, const RecordedChannels& ch, double intervalS,
                           int triggerSample) {
  const VerticalScale s[2] = {ChooseScale(ch.incident), ChooseScale(ch.transmitted)};
  const std::vector<double> shown[2] = {OnLevels(ch.incident, s[0], kLevelsPerDiv16),
                                        OnLevels(ch.transmitted, s[1], kLevelsPerDiv16)};
  const std::size_t n = std::min(ch.incident.size(), ch.transmitted.size());
  const std::string interval = General(intervalS, 9), length = std::to_string(n);
  auto both = [](const std::string& key, const std::string& a, const std::string& b) {
    return key + ',' + a + ',' + b + '\n';
  };
  std::string text = "Model,MSO44\nFirmware Version,1.32.6\n,,\n";
  text += both("Waveform Type", "ANALOG", "ANALOG");
  text += both("Point Format", "Y", "Y");
  text += both("Horizontal Units", "s", "s");
  text += both("Horizontal Scale", General(intervalS * static_cast<double>(n) / 10, 6),
               General(intervalS * static_cast<double>(n) / 10, 6));
  text += both("Horizontal Delay", "0", "0");
  text += both("Sample Interval", interval, interval);
  text += both("Record Length", length, length);
  text += both("Gating", "0.0% to 100.0%", "0.0% to 100.0%");
  text += both("Probe Attenuation", "1", "1");
  text += both("Vertical Units", "V", "V");
  text += both("Vertical Offset", General(s[0].offsetV, 6), General(s[1].offsetV, 6));
  text += both("Vertical Scale", General(s[0].voltsPerDiv, 6), General(s[1].voltsPerDiv, 6));
  text += both("Vertical Position", "0", "0");
  text += ",,\n,,\n,,\nLabel,,\nTIME,CH1,CH2\n";
  const std::vector<double> t = TimesOf(n, intervalS, triggerSample);
  for (std::size_t i = 0; i < n; ++i)
    text +=
        Scientific(t[i], 7) + ',' + General(shown[0][i], 9) + ',' + General(shown[1][i], 9) + '\n';
  return WriteBytes(path, text);
}

// ---------------------------------------------------------------- LeCroy TRC

// The WAVEDESC block of template LECROY_2_3: 346 bytes, every number least significant byte
// first (COMM_ORDER LOFIRST).
class Descriptor {
 public:
  static constexpr std::size_t kSize = 346;
  void Text(std::size_t at, const char* s) { std::memcpy(&m_b[at], s, std::strlen(s)); }
  void I16(std::size_t at, std::int16_t v) { Put(at, static_cast<std::uint16_t>(v), 2); }
  void I32(std::size_t at, std::int32_t v) { Put(at, static_cast<std::uint32_t>(v), 4); }
  void F32(std::size_t at, float v) {
    std::uint32_t u;
    std::memcpy(&u, &v, 4);
    Put(at, u, 4);
  }
  void F64(std::size_t at, double v) {
    std::uint64_t u;
    std::memcpy(&u, &v, 8);
    Put(at, u, 8);
  }
  const std::array<char, kSize>& bytes() const { return m_b; }

 private:
  void Put(std::size_t at, std::uint64_t v, int n) {
    for (int k = 0; k < n; ++k) m_b[at + k] = static_cast<char>((v >> (8 * k)) & 0xff);
  }
  std::array<char, kSize> m_b{};
};

std::string WriteTrc(const std::string& path, const std::vector<double>& v, int channel,
                     double intervalS, int triggerSample) {
  const VerticalScale s = ChooseScale(v);
  // A 12-bit converter left-justified in 16-bit words: the data move in steps of 16.
  const float gain = static_cast<float>(s.voltsPerDiv / kLevelsPerDiv16);
  const float offset = static_cast<float>(-s.offsetV);
  const auto n = static_cast<std::int32_t>(v.size());
  Descriptor d;
  d.Text(0, "WAVEDESC");
  d.Text(16, "LECROY_2_3");
  d.I16(32, 1);  // COMM_TYPE word
  d.I16(34, 1);  // COMM_ORDER LOFIRST
  d.I32(36, Descriptor::kSize);
  d.I32(60, 2 * n);  // WAVE_ARRAY_1, bytes
  d.Text(76, "LECROYWP254HD");
  d.I32(92, 25401);
  d.I32(116, n);                              // WAVE_ARRAY_COUNT
  d.I32(120, n);                              // PNTS_PER_SCREEN
  d.I32(128, n - 1);                          // LAST_VALID_PNT
  d.I32(136, 1);                              // SPARSING_FACTOR
  d.I32(144, 1);                              // SUBARRAY_COUNT
  d.I32(148, 1);                              // SWEEPS_PER_ACQ
  d.F32(156, gain);                           // VERTICAL_GAIN
  d.F32(160, offset);                         // VERTICAL_OFFSET
  d.F32(164, 32767 * gain - offset);          // MAX_VALUE
  d.F32(168, -32768 * gain - offset);         // MIN_VALUE
  d.I16(172, 12);                             // NOMINAL_BITS
  d.I16(174, 1);                              // NOM_SUBARRAY_COUNT
  d.F32(176, static_cast<float>(intervalS));  // HORIZ_INTERVAL
  d.F64(180, -triggerSample * intervalS);     // HORIZ_OFFSET
  d.F64(188, 0);                              // PIXEL_OFFSET
  d.Text(196, "V");
  d.Text(244, "S");
  d.F32(292, 1e-12f);  // HORIZ_UNCERTAINTY
  d.F64(296, 12.5);    // TRIGGER_TIME: seconds, minutes, hours, day, month, year
  d.Text(304, "\x1e\x0a\x06\x0c");
  d.I16(308, 2026);
  d.F32(312, static_cast<float>(intervalS * n));       // ACQ_DURATION
  d.I16(322, 1);                                       // RIS_SWEEPS
  d.I16(324, 13);                                      // TIMEBASE
  d.I16(326, 1);                                       // VERT_COUPLING DC 1 MOhm
  d.F32(328, 1);                                       // PROBE_ATT
  d.I16(332, 18);                                      // FIXED_VERT_GAIN
  d.F32(336, 1);                                       // VERTICAL_VERNIER
  d.F32(340, offset);                                  // ACQ_VERT_OFFSET
  d.I16(344, static_cast<std::int16_t>(channel - 1));  // WAVE_SOURCE

  const std::size_t length = Descriptor::kSize + 2 * v.size();
  char prefix[32];
  std::snprintf(prefix, sizeof prefix, "#9%09zu", length);
  std::string bytes = prefix;
  bytes.append(d.bytes().data(), Descriptor::kSize);
  const double g = gain, o = offset;
  for (double x : v) {
    const double raw = std::clamp(16 * std::round((x + o) / g / 16), -32768.0, 32752.0);
    const auto word = static_cast<std::uint16_t>(static_cast<std::int16_t>(raw));
    bytes += static_cast<char>(word & 0xff);
    bytes += static_cast<char>(word >> 8);
  }
  return WriteBytes(path, bytes);
}

// ---------------------------------------------------------------- delimited text

std::string CommaDecimal(std::string s) {
  std::replace(s.begin(), s.end(), '.', ',');
  return s;
}

std::string WriteCsvCommaMv(const std::string& path, const RecordedChannels& ch, double intervalS,
                            int triggerSample) {
  // PicoScope in a decimal-comma locale: semicolons, time in ms, millivolts to the microvolt.
  const std::size_t n = std::min(ch.incident.size(), ch.transmitted.size());
  const std::vector<double> t = TimesOf(n, intervalS, triggerSample);
  const int decimals = TimeDecimals(intervalS * 1e3);
  std::string text = "Zeit;Kanal A;Kanal B\r\n(ms);(mV);(mV)\r\n\r\n";
  for (std::size_t i = 0; i < n; ++i)
    text += CommaDecimal(FixedText(t[i] * 1e3, decimals)) + ';' +
            CommaDecimal(FixedText(ch.incident[i] * 1e3, 3)) + ';' +
            CommaDecimal(FixedText(ch.transmitted[i] * 1e3, 3)) + "\r\n";
  return WriteBytes(path, text);
}

}  // namespace

std::span<const RecordingLayoutName> RecordingLayouts() { return kLayouts; }

const RecordingLayoutName* FindRecordingLayout(const std::string& name) {
  for (const auto& l : kLayouts)
    if (name == l.name) return &l;
  return nullptr;
}

std::string TekEngineering(double v) {
  if (v == 0 || !std::isfinite(v)) return "0.0E+0";
  int exponent = static_cast<int>(std::floor(std::log10(std::abs(v)) / 3)) * 3;
  std::string mantissa = FixedText(v / std::pow(10.0, exponent), 4);
  // 999.99996 rounds up into the next group.
  if (std::abs(ParseBack(mantissa)) >= 1000) {
    exponent += 3;
    mantissa = FixedText(v / std::pow(10.0, exponent), 4);
  }
  return mantissa + 'E' + (exponent < 0 ? '-' : '+') + std::to_string(std::abs(exponent));
}

std::string WriteRecording(RecordingLayout layout, const std::vector<std::string>& paths,
                           const RecordedChannels& channels, double sampleIntervalUs,
                           int triggerSample) {
  const double dt = sampleIntervalUs * 1e-6;
  const std::vector<double>* ch[2] = {&channels.incident, &channels.transmitted};
  switch (layout) {
    case RecordingLayout::kTekCsv:
      return WriteTekCsvNew(paths.at(0), channels, dt, triggerSample);
    case RecordingLayout::kCsvCommaMv:
      return WriteCsvCommaMv(paths.at(0), channels, dt, triggerSample);
    default:
      break;
  }
  for (int c = 0; c < 2; ++c) {
    const std::string& p = paths.at(static_cast<std::size_t>(c));
    std::string failure;
    switch (layout) {
      case RecordingLayout::kIsf1:
        failure = WriteIsf(p, *ch[c], c + 1, dt, triggerSample, 1, true);
        break;
      case RecordingLayout::kIsf2:
        failure = WriteIsf(p, *ch[c], c + 1, dt, triggerSample, 2, true);
        break;
      case RecordingLayout::kIsf2Lsb:
        failure = WriteIsf(p, *ch[c], c + 1, dt, triggerSample, 2, false);
        break;
      case RecordingLayout::kTekCsvLegacy:
        failure = WriteTekCsvLegacy(p, *ch[c], c + 1, dt, triggerSample);
        break;
      case RecordingLayout::kTekCsvPerf:
        failure = WriteTekCsvPerf(p, *ch[c], dt, triggerSample);
        break;
      case RecordingLayout::kTrc:
        failure = WriteTrc(p, *ch[c], c + 1, dt, triggerSample);
        break;
      default:
        break;
    }
    if (!failure.empty()) return failure;
  }
  return {};
}

}  // namespace velk::sim
