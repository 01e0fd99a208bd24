// Tektronix CSV in the layouts the scopes write:
// - legacy (TDS) and performance scopes: header pairs in the first columns ("Record Length",
//   "Sample Interval", "Vertical Units"...; the performance scopes add a unit such as "Points" in
//   the third), time and value in the fourth and fifth columns of every row;
// - newer scopes (MSO, MDO): a header of "name,value" lines ending in a "TIME,CH1[,CH2...]" row,
//   then the rows;
// - bare "time,value" rows.
// A frequency-domain file (an FFT: horizontal unit Hz, vertical unit dB) is refused.

#include <cmath>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "record/c_number.h"
#include "record/large_buffer.h"
#include "record/recording_parse.h"
#include "record/tr_noop.h"

namespace velk {

namespace {

constexpr const char* kNotNumber = VELK_TRANSLATE_NOOP("velk", "文件 %1 第 %2 行的“%3”不是数字。");
constexpr const char* kNotUniform =
    VELK_TRANSLATE_NOOP("velk", "文件 %1 的时间列不均匀：第 %2 行的时间间隔与其他行不同。");

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (IsCSpace(s.front()) || s.front() == '"')) s.remove_prefix(1);
  while (!s.empty() && (IsCSpace(s.back()) || s.back() == '"')) s.remove_suffix(1);
  return s;
}

std::string Upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

bool Number(std::string_view cell, double& out) {
  cell = Trim(cell);
  const char* p = cell.data();
  const char* const end = p + cell.size();
  return !cell.empty() && ScanDouble(p, end, out) && p == end && std::isfinite(out);
}

// Refuses a frequency-domain file and gives the volts per unit of each channel: the newer layout
// writes one vertical unit per channel ("Vertical Units,mV,mV"), the others one for their channel.
bool Units(const std::map<std::string, std::string>& header, std::string& refusal,
           std::vector<double>& scales) {
  const auto h = header.find("HORIZONTAL UNITS");
  const auto v = header.find("VERTICAL UNITS");
  const std::string hu = h == header.end() ? "S" : Upper(h->second);
  const std::string vu = v == header.end() ? "V" : Upper(v->second);
  if (hu.find("HZ") != std::string::npos) refusal = h->second;
  if (vu.rfind("DB", 0) == 0) refusal = v->second;
  for (std::size_t at = 0; at <= vu.size();) {
    const std::size_t comma = std::min(vu.find(',', at), vu.size());
    const std::string_view unit = Trim(std::string_view(vu).substr(at, comma - at));
    if (unit.rfind("DB", 0) == 0) refusal = v->second;
    if (!unit.empty() || scales.empty()) scales.push_back(unit == "MV" ? 1e-3 : 1.0);
    at = comma + 1;
  }
  return refusal.empty();
}

// The scale of channel k: its own, else the last one given.
double ScaleOf(const std::vector<double>& scales, std::size_t k) {
  return scales[std::min(k, scales.size() - 1)];
}

// The lines of the text, each with its line number.
template <class Each>
bool ForEachLine(std::string_view text, Each each) {
  int number = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t eol = text.find('\n', at);
    std::string_view line = text.substr(at, eol == std::string_view::npos ? eol : eol - at);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!each(line, ++number)) return false;
    if (eol == std::string_view::npos) break;
    at = eol + 1;
  }
  return true;
}

// Legacy and performance layout: every row has header cells, then time and value.
RecordingResult ParseColumnsLayout(std::string_view text) {
  std::map<std::string, std::string> header;
  std::vector<double> time, values;
  std::vector<int> lineOf;
  ReserveLarge(values, text.size() / 8 + 1);
  RecordingResult failure;
  const bool read = ForEachLine(text, [&](std::string_view line, int number) {
    std::string_view cell[5];
    std::size_t at = 0;
    for (int k = 0; k < 5; ++k) {
      const std::size_t comma = line.find(',', at);
      cell[k] = line.substr(std::min(at, line.size()),
                            comma == std::string_view::npos ? std::string_view::npos : comma - at);
      at = comma == std::string_view::npos ? line.size() + 1 : comma + 1;
    }
    if (Trim(line).empty()) return true;
    if (!Trim(cell[0]).empty()) header[Upper(Trim(cell[0]))] = std::string(Trim(cell[1]));
    double t = 0, v = 0;
    for (int k : {3, 4}) {
      if (!Number(cell[k], k == 3 ? t : v)) {
        failure = RecordingFailure(kNotNumber, {std::to_string(number), std::string(cell[k])});
        return false;
      }
    }
    time.push_back(t);
    values.push_back(v);
    lineOf.push_back(number);
    return true;
  });
  if (!read) return failure;
  std::string refusal;
  std::vector<double> scales;
  if (!Units(header, refusal, scales)) return RecordingFailure(kRecFrequencyDomain, {refusal});
  if (values.empty()) return RecordingFailure(kRecNoData);
  const std::size_t n = time.size();
  const double step = n > 1 ? (time[n - 1] - time[0]) / static_cast<double>(n - 1) : 0;
  for (std::size_t k = 1; k < n; ++k) {
    if (!(step > 0) || !(std::fabs(time[k] - time[k - 1] - step) <= 0.01 * step))
      return RecordingFailure(kNotUniform, {std::to_string(lineOf[k])});
  }
  RecordingChannel ch;
  const auto source = header.find("SOURCE");
  ch.name = source == header.end() || source->second.empty() ? "1" : source->second;
  ch.unit = "V";
  double interval = step;
  const auto given = header.find("SAMPLE INTERVAL");
  if (given != header.end()) Number(given->second, interval);
  ch.sampleIntervalS = interval > 0 ? interval : 0;
  for (double& v : values) v *= scales[0];
  values.shrink_to_fit();
  ch.values = std::move(values);
  RecordingResult r;
  r.recording.channels.push_back(std::move(ch));
  r.recording.layout.timeColumn = 3;
  r.ok = true;
  return r;
}

// Newer layout: "name,value" header lines up to the "TIME,..." row, then delimited rows.
RecordingResult ParseHeaderLayout(std::string_view text, std::size_t timeRowAt, int headerLines) {
  std::map<std::string, std::string> header;
  ForEachLine(text.substr(0, timeRowAt), [&](std::string_view line, int) {
    const std::size_t comma = line.find(',');
    if (comma != std::string_view::npos)
      header[Upper(Trim(line.substr(0, comma)))] = std::string(Trim(line.substr(comma + 1)));
    return true;
  });
  std::string refusal;
  std::vector<double> scales;
  if (!Units(header, refusal, scales)) return RecordingFailure(kRecFrequencyDomain, {refusal});
  RecordingResult r = ParseDelimited(text.substr(timeRowAt));
  if (!r.ok) {
    // Line numbers in the messages count from the top of the file.
    if (r.message.find("行") != std::string::npos && !r.args.empty() && !r.args[0].empty() &&
        r.args[0].size() < 10 && r.args[0].find_first_not_of("0123456789") == std::string::npos) {
      r.args[0] = std::to_string(std::stol(r.args[0]) + headerLines);
    }
    return r;
  }
  r.recording.layout.headerRows += headerLines;
  double interval = 0;
  const auto given = header.find("SAMPLE INTERVAL");
  for (std::size_t k = 0; k < r.recording.channels.size(); ++k) {
    RecordingChannel& ch = r.recording.channels[k];
    for (double& v : ch.values) v *= ScaleOf(scales, k);
    if (given != header.end() && Number(given->second, interval) && interval > 0)
      ch.sampleIntervalS = interval;
  }
  return r;
}

}  // namespace

RecordingResult ParseTekCsv(std::string_view text) {
  if (LooksBinary(text.substr(0, 4096)) || text.find('\0') != std::string_view::npos)
    return RecordingFailure(kRecNotText);
  RecordingResult r;
  const std::string_view first = Trim(text.substr(0, text.find(',')));
  if (Upper(first) == "RECORD LENGTH") {
    r = ParseColumnsLayout(text);
  } else {
    // A "TIME,..." row ends the newer header; without one the rows are bare.
    std::size_t timeRowAt = std::string_view::npos;
    int headerLines = 0;
    ForEachLine(text.substr(0, 1 << 16), [&](std::string_view line, int number) {
      if (Upper(Trim(line.substr(0, line.find(',')))) != "TIME") return true;
      timeRowAt = static_cast<std::size_t>(line.data() - text.data());
      headerLines = number - 1;
      return false;
    });
    r = timeRowAt == std::string_view::npos ? ParseDelimited(text)
                                            : ParseHeaderLayout(text, timeRowAt, headerLines);
  }
  if (r.ok) r.recording.format = RecordingFormat::kTekCsv;
  return r;
}

}  // namespace velk
