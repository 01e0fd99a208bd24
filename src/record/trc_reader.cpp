// LeCroy binary waveform (.trc): an optional IEEE block header "#9<nine digits>", the WAVEDESC
// descriptor, then the blocks it announces (user text, descriptor extension, trigger times, RIS
// times, a reserved array) and the samples. The fields read here lie at the same offsets in the
// LECROY_2_3 and LECROY_1_0 templates.

#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "record/large_buffer.h"
#include "record/recording_parse.h"
#include "record/tr_noop.h"

namespace velk {

namespace {

constexpr const char* kShortDescriptor =
    VELK_TRANSLATE_NOOP("velk", "文件 %1 不完整：波形描述比文件长。");
constexpr const char* kSequence =
    VELK_TRANSLATE_NOOP("velk", "文件 %1 是分段记录（%2 段），只读入了第一段。");

constexpr std::size_t kDescriptorBytes = 346;

// Descriptor fields by offset from the start of WAVEDESC.
enum : std::size_t {
  kCommType = 32,
  kCommOrder = 34,
  kWaveDescriptor = 36,
  kUserText = 40,
  kResDesc1 = 44,
  kTrigtimeArray = 48,
  kRisTimeArray = 52,
  kResArray1 = 56,
  kWaveArray1 = 60,
  kWaveArrayCount = 116,
  kSubarrayCount = 144,
  kVerticalGain = 156,
  kVerticalOffset = 160,
  kHorizInterval = 176,
  kVertUnit = 196,
  kWaveSource = 344,
};

class Descriptor {
 public:
  Descriptor(const unsigned char* d) : m_d(d), m_little((d[kCommOrder] | d[kCommOrder + 1]) != 0) {}

  std::uint32_t U32(std::size_t at) const {
    const unsigned char* p = m_d + at;
    return m_little ? (std::uint32_t{p[3]} << 24 | std::uint32_t{p[2]} << 16 |
                       std::uint32_t{p[1]} << 8 | p[0])
                    : (std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 |
                       std::uint32_t{p[2]} << 8 | p[3]);
  }
  std::int32_t Long(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }
  std::int16_t Word(std::size_t at) const {
    const unsigned char* p = m_d + at;
    return static_cast<std::int16_t>(m_little ? (p[1] << 8 | p[0]) : (p[0] << 8 | p[1]));
  }
  float Float(std::size_t at) const {
    const std::uint32_t u = U32(at);
    float f;
    std::memcpy(&f, &u, sizeof f);
    return f;
  }
  std::string Text(std::size_t at, std::size_t n) const {
    const char* p = reinterpret_cast<const char*>(m_d + at);
    return std::string(p, strnlen(p, n));
  }
  bool little() const { return m_little; }

 private:
  const unsigned char* m_d;
  bool m_little;
};

template <class Raw>
void Convert(const unsigned char* p, std::size_t n, bool little, double gain, double offset,
             double* out) {
  for (std::size_t k = 0; k < n; ++k) {
    Raw raw;
    if constexpr (sizeof(Raw) == 1) {
      raw = static_cast<Raw>(p[k]);
    } else {
      const unsigned char* q = p + 2 * k;
      raw = static_cast<Raw>(little ? (q[1] << 8 | q[0]) : (q[0] << 8 | q[1]));
    }
    out[k] = static_cast<double>(raw) * gain - offset;
  }
}

}  // namespace

RecordingResult ParseTrc(std::string_view bytes) {
  const std::size_t at = bytes.substr(0, 64).find("WAVEDESC");
  if (at == std::string_view::npos) return RecordingFailure(kRecUnknownFormat);
  if (bytes.size() - at < kDescriptorBytes) return RecordingFailure(kShortDescriptor);
  const Descriptor d(reinterpret_cast<const unsigned char*>(bytes.data() + at));

  // Where the samples start: every block before them, as the descriptor gives their lengths.
  std::int64_t offset = static_cast<std::int64_t>(at);
  for (const std::size_t field :
       {kWaveDescriptor, kUserText, kResDesc1, kTrigtimeArray, kRisTimeArray, kResArray1}) {
    const std::int32_t n = d.Long(field);
    if (n < 0) return RecordingFailure(kShortDescriptor);
    offset += n;
  }
  const std::int32_t dataBytes = d.Long(kWaveArray1);
  if (dataBytes < 0) return RecordingFailure(kRecBadPointCount, {std::to_string(dataBytes)});
  if (offset + dataBytes > static_cast<std::int64_t>(bytes.size()))
    return RecordingFailure(kRecTruncated, {std::to_string(dataBytes)});

  const int width = d.Word(kCommType) == 0 ? 1 : 2;
  std::int64_t points = dataBytes / width;
  const std::int32_t declared = d.Long(kWaveArrayCount);
  if (declared > 0 && declared < points) points = declared;
  RecordingResult r;
  const std::int32_t segments = d.Long(kSubarrayCount);
  if (segments > 1) {
    points /= segments;
    r.recording.notes.push_back({kSequence, {std::to_string(segments)}});
  }
  if (points <= 0) return RecordingFailure(kRecNoData);

  RecordingChannel ch;
  const int source = d.Word(kWaveSource);
  ch.name = source >= 0 && source < 8 ? "C" + std::to_string(source + 1) : "1";
  ch.unit = d.Text(kVertUnit, 48);
  if (ch.unit.empty()) ch.unit = "V";
  // The interval as the instrument shows it: the shortest decimal that gives the stored float, so
  // 100 ns is 1e-7 s and not 1.00000001e-7.
  const float stored = d.Float(kHorizInterval);
  char text[32];
  const auto [end, ec] = std::to_chars(text, text + sizeof text, stored);
  double interval = 0;
  std::from_chars(text, end, interval);
  ch.sampleIntervalS = interval > 0 && interval < 1e30 ? interval : 0;
  ReserveFilled(ch.values, static_cast<std::size_t>(points));
  ch.values.resize(static_cast<std::size_t>(points));
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + offset);
  const double gain = d.Float(kVerticalGain);
  const double vOffset = d.Float(kVerticalOffset);
  if (width == 1) {
    Convert<std::int8_t>(p, ch.values.size(), d.little(), gain, vOffset, ch.values.data());
  } else {
    Convert<std::int16_t>(p, ch.values.size(), d.little(), gain, vOffset, ch.values.data());
  }
  if (!AllFinite(ch.values))
    return RecordingFailure(kRecBadScale, {"VERTICAL_GAIN/VERTICAL_OFFSET"});
  r.recording.channels.push_back(std::move(ch));
  r.recording.format = RecordingFormat::kTrc;
  r.ok = true;
  return r;
}

}  // namespace velk
