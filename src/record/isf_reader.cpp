// Tektronix ISF: the waveform preamble as the scope answers WFMPRE? (or WFMOUTPRE?), then CURVE
// with the samples as an IEEE block "#<n><length><bytes>" (or, with ASCII encoding, as numbers
// separated by commas). Keywords come long or short, in any order, each behind an optional
// header path (":WFMPRE:", ":WFMP:CH1:"...).

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <string_view>

#include "record/c_number.h"
#include "record/large_buffer.h"
#include "record/recording_parse.h"
#include "record/tr_noop.h"

namespace velk {

namespace {

constexpr const char* kNoYmult = VELK_TRANSLATE_NOOP("velk", "文件 %1 的波形前导中缺少 %2。");
constexpr const char* kBadFormat = VELK_TRANSLATE_NOOP("velk", "文件 %1 的数据格式 %2 无法读入。");
constexpr const char* kNoCurve = VELK_TRANSLATE_NOOP("velk", "文件 %1 中没有波形数据块（CURVE）。");
constexpr const char* kSeveral =
    VELK_TRANSLATE_NOOP("velk", "文件 %1 中有 %2 个波形记录，只读入了第一个。");

// Long keyword and the length of its short form.
struct Keyword {
  const char* name;
  std::size_t shortLength;
};
constexpr Keyword kKeywords[] = {{"BYT_NR", 5}, {"BIT_NR", 5}, {"BN_FMT", 4}, {"BYT_OR", 5},
                                 {"ENCDG", 3},  {"NR_PT", 4},  {"XINCR", 3},  {"XZERO", 3},
                                 {"YMULT", 3},  {"YOFF", 3},   {"YZERO", 3},  {"XUNIT", 3},
                                 {"YUNIT", 3},  {"WFID", 3},   {"PT_FMT", 4}, {"PT_OFF", 4},
                                 {"CURVE", 4},  {"DOMAIN", 3}, {"WFMTYPE", 4}};

char UpperChar(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The long form of a keyword (upper case), or the keyword itself when it is none we know.
std::string Canonical(std::string_view key) {
  std::string k(key.size(), ' ');
  std::transform(key.begin(), key.end(), k.begin(), UpperChar);
  for (const Keyword& w : kKeywords) {
    const std::string_view name(w.name);
    if (k.size() >= w.shortLength && k.size() <= name.size() && name.substr(0, k.size()) == k)
      return std::string(name);
  }
  return k;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsCSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsCSpace(s.back())) s.remove_suffix(1);
  return s;
}

// A quoted value without its quotes (a doubled quote inside stands for one).
std::string Unquote(std::string_view v) {
  v = Trim(v);
  if (v.size() < 2 || (v.front() != '"' && v.front() != '\'')) return std::string(v);
  const char q = v.front();
  std::string out;
  for (std::size_t i = 1; i + 1 < v.size(); ++i) {
    out += v[i];
    if (v[i] == q && v[i + 1] == q) ++i;
  }
  return out;
}

std::string Upper(std::string_view v) {
  std::string s(v);
  std::transform(s.begin(), s.end(), s.begin(), UpperChar);
  return s;
}

struct Preamble {
  std::map<std::string, std::string> values;     // canonical keyword -> value text
  std::size_t curveAt = std::string_view::npos;  // first byte after "CURVE "
};

// Reads "header value;" commands up to the CURVE keyword. Quotes may hold ';'.
Preamble ReadPreamble(std::string_view bytes, std::size_t from) {
  Preamble pre;
  std::size_t i = from;
  while (i < bytes.size()) {
    while (i < bytes.size() && (IsCSpace(bytes[i]) || bytes[i] == ';')) ++i;
    const std::size_t keyStart = i;
    while (i < bytes.size() && !IsCSpace(bytes[i]) && bytes[i] != ';') ++i;
    std::string_view header = bytes.substr(keyStart, i - keyStart);
    const std::size_t colon = header.rfind(':');
    if (colon != std::string_view::npos) header.remove_prefix(colon + 1);
    if (header.empty()) {
      if (i == keyStart) ++i;
      continue;
    }
    const std::string key = Canonical(header);
    if (key == "CURVE") {
      pre.curveAt = i;
      return pre;
    }
    const std::size_t valueStart = i;
    char quote = 0;
    while (i < bytes.size() && (quote != 0 || bytes[i] != ';')) {
      if (quote != 0 && bytes[i] == quote) {
        quote = 0;
      } else if (quote == 0 && (bytes[i] == '"' || bytes[i] == '\'')) {
        quote = bytes[i];
      }
      ++i;
    }
    pre.values[key] = Unquote(bytes.substr(valueStart, i - valueStart));
  }
  return pre;
}

bool Number(const Preamble& pre, const char* key, double& out) {
  const auto it = pre.values.find(key);
  if (it == pre.values.end()) return false;
  const char* p = it->second.data();
  return ScanDouble(p, p + it->second.size(), out);
}

std::string Text(const Preamble& pre, const char* key, const char* otherwise) {
  const auto it = pre.values.find(key);
  return it == pre.values.end() ? otherwise : Upper(Trim(it->second));
}

struct Scaling {
  double yoff = 0, ymult = 0, yzero = 0;
};

template <int kBytes, bool kSigned, bool kMsb>
void Convert(const unsigned char* p, std::size_t n, const Scaling& s, double* out) {
  for (std::size_t k = 0; k < n; ++k, p += kBytes) {
    std::int32_t raw;
    if constexpr (kBytes == 1) {
      raw = kSigned ? static_cast<std::int8_t>(p[0]) : p[0];
    } else {
      const std::uint16_t u = kMsb ? static_cast<std::uint16_t>(p[0] << 8 | p[1])
                                   : static_cast<std::uint16_t>(p[1] << 8 | p[0]);
      raw = kSigned ? static_cast<std::int16_t>(u) : u;
    }
    out[k] = (static_cast<double>(raw) - s.yoff) * s.ymult + s.yzero;
  }
}

void ConvertBlock(const unsigned char* p, std::size_t n, int bytes, bool isSigned, bool msb,
                  const Scaling& s, double* out) {
  if (bytes == 1) {
    isSigned ? Convert<1, true, true>(p, n, s, out) : Convert<1, false, true>(p, n, s, out);
  } else if (isSigned) {
    msb ? Convert<2, true, true>(p, n, s, out) : Convert<2, true, false>(p, n, s, out);
  } else {
    msb ? Convert<2, false, true>(p, n, s, out) : Convert<2, false, false>(p, n, s, out);
  }
}

// Where a "#<n><length>" block's bytes start and how many there are; false when the header is
// not one. "#0" runs to the end of the file (less a final line end).
bool BlockBounds(std::string_view bytes, std::size_t at, std::size_t& start,
                 std::uint64_t& length) {
  if (at >= bytes.size() || bytes[at] != '#' || at + 1 >= bytes.size()) return false;
  const char d = bytes[at + 1];
  if (d < '0' || d > '9') return false;
  const std::size_t digits = static_cast<std::size_t>(d - '0');
  start = at + 2 + digits;
  if (start > bytes.size()) return false;
  if (digits == 0) {
    length = bytes.size() - start;
    if (length > 0 && bytes.back() == '\n') --length;
    return true;
  }
  length = 0;
  for (std::size_t k = at + 2; k < start; ++k) {
    if (bytes[k] < '0' || bytes[k] > '9') return false;
    length = length * 10 + static_cast<std::uint64_t>(bytes[k] - '0');
  }
  return true;
}

// Further records: another CURVE keyword behind the first block.
int CountFurtherCurves(std::string_view rest) {
  int n = 0;
  for (std::size_t at = 0; (at = rest.find("CURV", at)) != std::string_view::npos; at += 4) {
    if (at > 0 && rest[at - 1] == ':') ++n;
  }
  return n;
}

}  // namespace

RecordingResult ParseIsf(std::string_view bytes) {
  const Preamble pre = ReadPreamble(bytes, 0);
  if (pre.curveAt == std::string_view::npos) return RecordingFailure(kNoCurve);
  double ymult = 0;
  if (!Number(pre, "YMULT", ymult)) return RecordingFailure(kNoYmult, {"YMULT"});
  Scaling s;
  s.ymult = ymult;
  Number(pre, "YOFF", s.yoff);
  Number(pre, "YZERO", s.yzero);
  double xincr = 0;
  Number(pre, "XINCR", xincr);
  const std::string xunit = Text(pre, "XUNIT", "S");
  if (xunit == "HZ") return RecordingFailure(kRecFrequencyDomain, {"Hz"});

  double byteCount = 1;
  Number(pre, "BYT_NR", byteCount);
  const std::string encoding = Text(pre, "ENCDG", "BIN");
  const std::string numberFormat = Text(pre, "BN_FMT", "RI");
  const bool msb = Text(pre, "BYT_OR", "MSB") != "LSB";
  const bool ascii = encoding.rfind("ASC", 0) == 0;
  if (!ascii && ((byteCount != 1 && byteCount != 2) ||
                 (numberFormat != "RI" && numberFormat != "RP") || encoding.rfind("BIN", 0) != 0))
    return RecordingFailure(kBadFormat,
                            {encoding + " " + numberFormat + " " + NumberText(byteCount)});
  double declared = -1;
  const bool hasCount = Number(pre, "NR_PT", declared);
  if (hasCount && !(declared >= 1 && declared <= static_cast<double>(kMaxRecordingPoints)))
    return RecordingFailure(kRecBadPointCount, {NumberText(declared)});

  RecordingResult r;
  RecordingChannel ch;
  std::size_t at = pre.curveAt;
  while (at < bytes.size() && IsCSpace(bytes[at])) ++at;
  std::size_t end = at;
  if (ascii) {
    const char* p = bytes.data() + at;
    const char* const stop = bytes.data() + bytes.size();
    double raw = 0;
    while (ScanDouble(p, stop, raw)) {
      ch.values.push_back((raw - s.yoff) * s.ymult + s.yzero);
      while (p < stop && (*p == ' ' || *p == '\t')) ++p;
      if (p == stop || *p != ',') break;
      ++p;
    }
    end = static_cast<std::size_t>(p - bytes.data());
  } else {
    std::size_t start = 0;
    std::uint64_t length = 0;
    if (!BlockBounds(bytes, at, start, length)) return RecordingFailure(kNoCurve);
    if (length > bytes.size() - start)
      return RecordingFailure(kRecTruncated, {std::to_string(length)});
    const int width = static_cast<int>(byteCount);
    std::uint64_t points = length / static_cast<std::uint64_t>(width);
    if (hasCount) {
      if (static_cast<double>(points) < declared)
        return RecordingFailure(kRecTruncated, {std::to_string(length)});
      points = static_cast<std::uint64_t>(declared);
    }
    if (points > static_cast<std::uint64_t>(kMaxRecordingPoints))
      return RecordingFailure(kRecTooLong);
    ReserveFilled(ch.values, static_cast<std::size_t>(points));
    ch.values.resize(static_cast<std::size_t>(points));
    ConvertBlock(reinterpret_cast<const unsigned char*>(bytes.data() + start),
                 static_cast<std::size_t>(points), width, numberFormat == "RI", msb, s,
                 ch.values.data());
    end = start + static_cast<std::size_t>(length);
  }
  if (ch.values.empty()) return RecordingFailure(kRecNoData);
  if (!AllFinite(ch.values)) return RecordingFailure(kRecBadScale, {"YMULT/YOFF/YZERO"});

  const auto wfid = pre.values.find("WFID");
  const std::string id(wfid == pre.values.end() ? "" : Trim(wfid->second));
  ch.name = id.empty() ? "1" : std::string(Trim(std::string_view(id).substr(0, id.find(','))));
  ch.unit = pre.values.count("YUNIT") ? std::string(Trim(pre.values.at("YUNIT"))) : "V";
  ch.sampleIntervalS = std::isfinite(xincr) && xincr > 0 ? xincr : 0;
  r.recording.channels.push_back(std::move(ch));
  if (const int more = CountFurtherCurves(bytes.substr(std::min(end, bytes.size()))); more > 0)
    r.recording.notes.push_back({kSeveral, {std::to_string(more + 1)}});
  r.recording.format = RecordingFormat::kIsf;
  r.ok = true;
  return r;
}

}  // namespace velk
