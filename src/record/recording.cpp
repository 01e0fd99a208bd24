#include "record/recording.h"

#include <cmath>
#include <cstdio>
#include <new>

#include "record/c_number.h"
#include "record/file_io.h"
#include "record/reader_common.h"
#include "record/recording_parse.h"
#include "record/tr_noop.h"

namespace velk {

namespace {

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  if (s.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char c = s[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != prefix[i]) return false;
  }
  return true;
}

std::string_view SkipBlank(std::string_view s) {
  while (!s.empty() && IsCSpace(s.front())) s.remove_prefix(1);
  return s;
}

// A LeCroy descriptor, alone or behind an IEEE block header "#9nnnnnnnnn".
bool LooksTrc(std::string_view head) {
  const std::size_t at = head.substr(0, 64).find("WAVEDESC");
  return at != std::string_view::npos && (at == 0 || head.front() == '#');
}

bool LooksIsf(std::string_view head) {
  head = SkipBlank(head);
  if (!head.empty() && head.front() == ':') head.remove_prefix(1);
  return StartsWithNoCase(head, "WFMP") || StartsWithNoCase(head, "WFMO") ||
         StartsWithNoCase(head, "CURV");
}

// A Tektronix CSV names its header pairs, or ends its header in a "TIME,CH1" row.
bool LooksTekCsv(std::string_view head) {
  head = SkipBlank(head);
  if (!head.empty() && head.front() == '"') head.remove_prefix(1);
  if (StartsWithNoCase(head, "RECORD LENGTH,") || StartsWithNoCase(head, "RECORD LENGTH\",") ||
      StartsWithNoCase(head, "MODEL,"))
    return true;
  for (std::size_t at = 0; at < head.size();) {
    const std::size_t eol = head.find('\n', at);
    const std::string_view line = head.substr(at, eol == std::string_view::npos ? eol : eol - at);
    if (StartsWithNoCase(line, "TIME,CH") || StartsWithNoCase(line, "TIME,MATH") ||
        StartsWithNoCase(line, "TIME,REF"))
      return true;
    if (eol == std::string_view::npos) break;
    at = eol + 1;
  }
  return false;
}

// One number to a line, the first a positive integer: the Tektronix text layout.
bool LooksTektronixText(std::string_view head) {
  const char* p = head.data();
  const char* const end = p + head.size();
  int length = 0;
  if (!ScanInt(p, end, length) || length <= 0) return false;
  for (int k = 0; k < 3; ++k) {
    double v = 0;
    while (p < end && (*p == ' ' || *p == '\t' || *p == '\r')) ++p;
    if (p == end || *p != '\n' || !ScanDouble(p, end, v)) return false;
  }
  return true;
}

}  // namespace

RecordingResult RecordingFailure(std::string text, std::vector<std::string> args) {
  RecordingResult r;
  r.message = std::move(text);
  r.args = std::move(args);
  return r;
}

std::string NumberText(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.9g", v);
  return buf;
}

bool AllFinite(const std::vector<double>& values) {
  for (const double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

bool LooksBinary(std::string_view bytes) {
  for (const char c : bytes) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 && u != '\t' && u != '\n' && u != '\r' && u != '\f' && u != '\v') return true;
  }
  return false;
}

const char* RecordingFormatName(RecordingFormat format) {
  switch (format) {
    case RecordingFormat::kAuto:
      return "auto";
    case RecordingFormat::kTektronixText:
      return "tek";
    case RecordingFormat::kCs20000:
      return "cs";
    case RecordingFormat::kRecordFile:
      return "record";
    case RecordingFormat::kIsf:
      return "isf";
    case RecordingFormat::kTekCsv:
      return "tek-csv";
    case RecordingFormat::kTrc:
      return "trc";
    case RecordingFormat::kDelimited:
      return "csv";
  }
  return "auto";
}

RecordingFormat DetectRecordingFormat(std::string_view head) {
  if (LooksTrc(head)) return RecordingFormat::kTrc;
  if (LooksIsf(head)) return RecordingFormat::kIsf;
  if (LooksBinary(head.substr(0, 512))) return RecordingFormat::kAuto;
  if (LooksTekCsv(head)) return RecordingFormat::kTekCsv;
  if (LooksTektronixText(head)) return RecordingFormat::kTektronixText;
  if (head.find_first_of(",;\t") != std::string_view::npos) return RecordingFormat::kDelimited;
  return RecordingFormat::kAuto;
}

RecordingResult ParseTektronixText(std::string_view text) {
  if (LooksBinary(text)) return RecordingFailure(kRecNotText);
  const char* p = text.data();
  const char* const end = p + text.size();
  int length = 0;
  float header = 0;
  if (!ScanInt(p, end, length)) return RecordingFailure(kRecUnknownFormat);
  for (int k = 0; k < 3; ++k) ScanFloat(p, end, header);
  if (length <= 0) return RecordingFailure(kRecBadPointCount, {std::to_string(length)});
  RecordingResult r;
  RecordingChannel ch{"1", "V", {}, 0};
  // Each sample takes two bytes of text at least, so no header can make this allocate more
  // than the file can fill.
  ch.values.reserve(std::min<std::size_t>(static_cast<std::size_t>(length), text.size() / 2 + 1));
  float v = 0;
  while (static_cast<int>(ch.values.size()) < length && ScanFloat(p, end, v)) {
    ch.values.push_back(static_cast<double>(v));
  }
  if (ch.values.empty()) return RecordingFailure(kRecNoData);
  r.recording.format = RecordingFormat::kTektronixText;
  r.recording.channels.push_back(std::move(ch));
  r.ok = true;
  return r;
}

RecordingResult ParseRecording(std::string_view bytes, RecordingFormat format,
                               const DelimitedOverride& layout) {
  if (format == RecordingFormat::kAuto) format = DetectRecordingFormat(bytes.substr(0, 4096));
  RecordingResult r;
  switch (format) {
    case RecordingFormat::kIsf:
      r = ParseIsf(bytes);
      break;
    case RecordingFormat::kTekCsv:
      r = ParseTekCsv(bytes);
      break;
    case RecordingFormat::kTrc:
      r = ParseTrc(bytes);
      break;
    case RecordingFormat::kDelimited:
      r = ParseDelimited(bytes, layout);
      break;
    case RecordingFormat::kTektronixText:
      r = ParseTektronixText(bytes);
      break;
    case RecordingFormat::kCs20000:
    case RecordingFormat::kRecordFile:
      // Their samples are not volts: they keep their own open commands.
      return RecordingFailure(
          VELK_TRANSLATE_NOOP("velk", "文件 %1 是 %2 格式，请用原来的打开命令打开。"),
          {RecordingFormatName(format)});
    case RecordingFormat::kAuto:
      return RecordingFailure(kRecUnknownFormat);
  }
  if (r.ok) r.recording.format = format;
  return r;
}

RecordingResult ReadRecording(const std::string& path, RecordingFormat format,
                              const DelimitedOverride& layout) {
  RecordingResult r;
  try {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return RecordingFailure(kOpenFault, {path});
    r = ParseRecording(bytes, format, layout);
  } catch (const std::bad_alloc&) {
    return RecordingFailure(kAllocFault);
  }
  if (!r.ok && r.message.find("%1") != std::string::npos) r.args.insert(r.args.begin(), path);
  for (Recording::Note& n : r.recording.notes) n.args.insert(n.args.begin(), path);
  return r;
}

}  // namespace velk
