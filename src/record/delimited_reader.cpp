// Delimited text from scopes and loggers (Rigol, Keysight, PicoScope, Siglent, spreadsheets):
// rows of cells separated by commas, semicolons or tabs, with the decimal point or a decimal comma,
// after header rows that name the columns, give their units or hold Start/Increment values.
//
// What is detected, in order: the delimiter (the one most of the first rows use, tab before
// semicolon before comma); the decimal mark (a comma only when the delimiter is not one); the first
// data row (every cell a number); the unit of each column, from a unit row ("(ms)", "Volt",
// "Sequence") or from the name ("Time (us)", "CH1 [mV]"); whether the first column is a time or a
// sample index. Without any header a first column beside others is time in seconds, as the bare
// "time,value" exports write it.
//
// Whatever the operator set in a DelimitedOverride replaces its detection; a fixed number of header
// rows makes the next non-blank row the first data row, whatever it holds.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "record/c_number.h"
#include "record/large_buffer.h"
#include "record/recording_parse.h"
#include "record/tr_noop.h"

namespace velk {

namespace {

constexpr const char* kNotNumber = VELK_TRANSLATE_NOOP("velk", "文件 %1 第 %2 行的“%3”不是数字。");
constexpr const char* kColumns =
    VELK_TRANSLATE_NOOP("velk", "文件 %1 第 %2 行的列数与前面的数据行不同。");
constexpr const char* kMixed =
    VELK_TRANSLATE_NOOP("velk", "文件 %1 第 %2 行的分隔符与其他行不同。");
constexpr const char* kEmptyChannel = VELK_TRANSLATE_NOOP("velk", "文件 %1 中的通道 %2 没有数据。");
constexpr const char* kSameMarks = VELK_TRANSLATE_NOOP("velk", "分隔符和小数点不能都是逗号。");
constexpr const char* kHeaderRows =
    VELK_TRANSLATE_NOOP("velk", "表头行数 %2 无效：文件 %1 共 %3 行。");
constexpr const char* kNoDataRow =
    VELK_TRANSLATE_NOOP("velk", "按所选的分隔符和小数点，文件 %1 中没有一行全是数字。");
constexpr const char* kOneColumn =
    VELK_TRANSLATE_NOOP("velk", "文件 %1 只有一列，不能既有时间列又有通道。");
constexpr const char* kNotUniform =
    VELK_TRANSLATE_NOOP("velk", "文件 %1 的时间列不均匀：第 %2 行的时间间隔与其他行不同。");

std::string_view TrimCell(std::string_view s) {
  while (!s.empty() && (IsCSpace(s.front()) || s.front() == '"')) s.remove_prefix(1);
  while (!s.empty() && (IsCSpace(s.back()) || s.back() == '"')) s.remove_suffix(1);
  return s;
}

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

// The lines of a text, without their line ends, with 1-based line numbers.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : m_text(text) {}
  bool Next(std::string_view& line) {
    if (m_at >= m_text.size()) return false;
    const std::size_t eol = m_text.find('\n', m_at);
    const std::size_t stop = eol == std::string_view::npos ? m_text.size() : eol;
    line = m_text.substr(m_at, stop - m_at);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    m_at = stop + 1;
    ++m_number;
    return true;
  }
  int number() const { return m_number; }

 private:
  std::string_view m_text;
  std::size_t m_at = 0;
  int m_number = 0;
};

void SplitCells(std::string_view line, char delimiter, std::vector<std::string_view>& cells) {
  cells.clear();
  std::size_t at = 0;
  for (;;) {
    const std::size_t next = line.find(delimiter, at);
    cells.push_back(TrimCell(line.substr(at, next == std::string_view::npos ? next : next - at)));
    if (next == std::string_view::npos) break;
    at = next + 1;
  }
  while (!cells.empty() && cells.back().empty()) cells.pop_back();
}

bool IsBlank(std::string_view line) {
  return std::all_of(line.begin(), line.end(), [](char c) { return IsCSpace(c); });
}

// A cell as a number: the whole cell, finite, with the file's decimal mark.
bool CellNumber(std::string_view cell, char decimalMark, double& out) {
  if (cell.empty() || cell.size() > 64) return false;
  char buf[65];
  std::memcpy(buf, cell.data(), cell.size());
  if (decimalMark == ',') std::replace(buf, buf + cell.size(), ',', '.');
  const char* p = buf;
  const char* const end = buf + cell.size();
  // Hex numbers, "inf" and "nan" are not what an instrument writes.
  for (const char* q = buf; q < end; ++q) {
    if (*q == 'x' || *q == 'X' || *q == 'n' || *q == 'N' || *q == 'i' || *q == 'I') return false;
  }
  return ScanDouble(p, end, out) && p == end && std::isfinite(out);
}

// A row that would be numbers only with another delimiter: the file mixes delimiters.
bool NumbersWithOther(std::string_view line, char delimiter) {
  std::vector<std::string_view> cells;
  for (const char other : {',', ';', '\t'}) {
    if (other == delimiter || line.find(other) == std::string_view::npos) continue;
    SplitCells(line, other, cells);
    double v = 0;
    if (cells.size() >= 2 && std::all_of(cells.begin(), cells.end(),
                                         [&](std::string_view c) { return CellNumber(c, '.', v); }))
      return true;
  }
  return false;
}

struct Unit {
  enum Kind { kNone, kTime, kIndex, kVolts, kFrequency, kOther } kind = kNone;
  double scale = 1;
  std::string text;
};

Unit UnitOf(std::string_view cell) {
  while (!cell.empty() && (cell.front() == '(' || cell.front() == '[' || cell.front() == ' '))
    cell.remove_prefix(1);
  while (!cell.empty() && (cell.back() == ')' || cell.back() == ']' || cell.back() == ' '))
    cell.remove_suffix(1);
  const std::string s(cell);
  const std::string l = Lower(cell);
  struct Entry {
    const char* text;
    Unit::Kind kind;
    double scale;
  };
  static const Entry kExact[] = {
      {"s", Unit::kTime, 1},        {"ms", Unit::kTime, 1e-3},    {"us", Unit::kTime, 1e-6},
      {"µs", Unit::kTime, 1e-6},    {"μs", Unit::kTime, 1e-6},    {"ns", Unit::kTime, 1e-9},
      {"V", Unit::kVolts, 1},       {"mV", Unit::kVolts, 1e-3},   {"uV", Unit::kVolts, 1e-6},
      {"µV", Unit::kVolts, 1e-6},   {"kV", Unit::kVolts, 1e3},    {"Hz", Unit::kFrequency, 1},
      {"kHz", Unit::kFrequency, 1}, {"MHz", Unit::kFrequency, 1}, {"GHz", Unit::kFrequency, 1},
      {"mVolt", Unit::kVolts, 1e-3}};
  for (const Entry& e : kExact) {
    if (s == e.text) return {e.kind, e.scale, s};
  }
  static const Entry kWords[] = {
      {"second", Unit::kTime, 1},    {"seconds", Unit::kTime, 1}, {"sec", Unit::kTime, 1},
      {"volt", Unit::kVolts, 1},     {"volts", Unit::kVolts, 1},  {"v", Unit::kVolts, 1},
      {"sequence", Unit::kIndex, 1}, {"index", Unit::kIndex, 1},  {"points", Unit::kIndex, 1},
      {"samples", Unit::kIndex, 1},  {"db", Unit::kFrequency, 1}, {"dbm", Unit::kFrequency, 1},
      {"dbv", Unit::kFrequency, 1}};
  for (const Entry& e : kWords) {
    if (l == e.text) return {e.kind, e.scale, s};
  }
  return {s.empty() ? Unit::kNone : Unit::kOther, 1, s};
}

// A column name and the unit inside it: "Time (s)", "CH1 [mV]", "CH1(V)".
std::pair<std::string, Unit> SplitName(std::string_view cell) {
  const std::size_t open = cell.find_first_of("([");
  if (open != std::string_view::npos && (cell.back() == ')' || cell.back() == ']')) {
    const Unit u = UnitOf(cell.substr(open));
    if (u.kind != Unit::kOther) return {std::string(TrimCell(cell.substr(0, open))), u};
  }
  return {std::string(cell), Unit{}};
}

bool IsTimeName(const std::string& lower) {
  return lower == "time" || lower == "x-axis" || lower == "t" || lower == "zeit" ||
         lower == "seconds" || lower == "second";
}
bool IsIndexName(const std::string& lower) {
  return lower == "x" || lower == "index" || lower == "no." || lower == "sequence" ||
         lower == "point" || lower == "sample";
}

char DetectDelimiter(std::string_view text) {
  LineCursor lines(text);
  std::string_view line;
  int counts[3] = {0, 0, 0};
  const char kCandidates[3] = {'\t', ';', ','};
  int seen = 0;
  while (seen < 40 && lines.Next(line)) {
    if (IsBlank(line)) continue;
    ++seen;
    for (int k = 0; k < 3; ++k) counts[k] += line.find(kCandidates[k]) != std::string_view::npos;
  }
  for (int k = 0; k < 3; ++k) {
    if (seen > 0 && counts[k] * 2 > seen) return kCandidates[k];
  }
  return ',';
}

struct Column {
  std::string name;
  Unit unit;
};

// The header rows: column names and units, and the Start/Increment values.
struct Header {
  std::vector<Column> columns;
  int namedColumns = 0;  // columns the names row names (Start and Increment not counted)
  bool any = false;
  double start = 0, increment = 0;
  bool hasIncrement = false;
};

Header ReadHeader(const std::vector<std::vector<std::string>>& rows, std::size_t n) {
  Header h;
  h.columns.resize(n);
  h.any = !rows.empty();
  // The unit row: the last header row whose cells include a unit we know.
  int unitRow = -1;
  for (int r = static_cast<int>(rows.size()) - 1; r >= 0 && unitRow < 0; --r) {
    for (std::size_t j = 0; j < std::min(n, rows[r].size()); ++j) {
      const Unit u = UnitOf(rows[r][j]);
      if (u.kind != Unit::kNone && u.kind != Unit::kOther) unitRow = r;
    }
  }
  // The names row: the last header row before the unit row, or the last one of all.
  int nameRow = unitRow >= 0 ? unitRow - 1 : static_cast<int>(rows.size()) - 1;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t j = 0; j < rows[r].size(); ++j) {
      const std::string l = Lower(rows[r][j]);
      double v = 0;
      if ((l == "start" || l == "increment") && r + 1 < rows.size() && j < rows[r + 1].size() &&
          CellNumber(rows[r + 1][j], '.', v)) {
        (l == "start" ? h.start : h.increment) = v;
        h.hasIncrement |= l == "increment";
      }
    }
  }
  if (nameRow >= 0) {
    const std::vector<std::string>& names = rows[static_cast<std::size_t>(nameRow)];
    for (std::size_t j = 0; j < names.size(); ++j) {
      const std::string l = Lower(names[j]);
      if (names[j].empty() || l == "start" || l == "increment") continue;
      h.namedColumns = static_cast<int>(j) + 1;
      if (j < n) std::tie(h.columns[j].name, h.columns[j].unit) = SplitName(names[j]);
    }
  }
  if (unitRow >= 0) {
    for (std::size_t j = 0; j < std::min(n, rows[unitRow].size()); ++j) {
      const Unit u = UnitOf(rows[unitRow][j]);
      if (u.kind != Unit::kNone) h.columns[j].unit = u;
    }
  }
  return h;
}

RecordingResult CheckUniform(const std::vector<double>& t, const std::vector<int>& lineOf,
                             double& step) {
  const std::size_t n = t.size();
  step = n > 1 ? (t[n - 1] - t[0]) / static_cast<double>(n - 1) : 0;
  if (n < 2) return {true};
  // Times are printed to a few digits, so a step may differ from the mean by a rounding of the
  // last digit; a missing or repeated sample is off by a whole step.
  const double tolerance = 0.01 * std::fabs(step);
  for (std::size_t k = 1; k < n; ++k) {
    const double d = t[k] - t[k - 1];
    if (!(step > 0) || !(std::fabs(d - step) <= tolerance))
      return RecordingFailure(kNotUniform, {std::to_string(lineOf[k])});
  }
  return {true};
}

// The mean step of a printed time column is exact far beyond nine digits; rounding to nine
// gives the interval the instrument set (1e-9, not 9.999999999999999e-10). 0 when the step is
// no usable interval (an Increment of 1e-320 or 1e308 in a header).
double RoundedInterval(double step) {
  if (!(std::isfinite(step) && step > 0)) return 0;
  char text[32];
  const auto printed = std::to_chars(text, text + sizeof text, step, std::chars_format::general, 9);
  double rounded = 0;
  const auto read = std::from_chars(text, printed.ptr, rounded);
  return read.ec == std::errc() && std::isnormal(rounded) ? rounded : 0;
}

// A cell of digits and commas only, in a file not delimited by commas: the decimal comma.
void DetectDecimalComma(const std::vector<std::string_view>& cells, DelimitedLayout& layout) {
  if (layout.delimiter != ',' && std::any_of(cells.begin(), cells.end(), [](std::string_view c) {
        return c.find(',') != std::string_view::npos &&
               c.find_first_not_of("0123456789+-.,eE ") == std::string_view::npos;
      }))
    layout.decimalMark = ',';
}

int LineCount(std::string_view text) {
  LineCursor lines(text);
  std::string_view line;
  while (lines.Next(line)) {
  }
  return lines.number();
}

// Reads the header rows into headerRows and stops on the first data row, in line and cells: the
// row after the operator's header rows, else the first row of numbers only. False with the reason
// in failure.
bool FindDataRow(LineCursor& lines, std::string_view& line, std::vector<std::string_view>& cells,
                 const DelimitedOverride& o, DelimitedLayout& layout,
                 std::vector<std::vector<std::string>>& headerRows, RecordingResult& failure) {
  const bool fixedRows = o.headerRows.has_value();
  while (lines.Next(line)) {
    if (IsBlank(line)) continue;
    SplitCells(line, layout.delimiter, cells);
    if (cells.empty()) continue;
    const bool header = fixedRows && lines.number() <= *o.headerRows;
    // A preamble row the operator skips says nothing about the numbers.
    if (!o.decimalMark && !header) DetectDecimalComma(cells, layout);
    double v = 0;
    const bool numbers = std::all_of(cells.begin(), cells.end(), [&](std::string_view c) {
      return CellNumber(c, layout.decimalMark, v);
    });
    if (fixedRows ? !header : numbers) return true;
    // Numbers with another delimiter: a file that mixes them, unless the operator chose one.
    if (!fixedRows && !o.delimiter && NumbersWithOther(line, layout.delimiter)) {
      failure = RecordingFailure(kMixed, {std::to_string(lines.number())});
      return false;
    }
    headerRows.emplace_back(cells.begin(), cells.end());
  }
  if (fixedRows) {
    failure = RecordingFailure(kHeaderRows,
                               {std::to_string(*o.headerRows), std::to_string(lines.number())});
  } else {
    const bool corrected = o.delimiter || o.decimalMark;
    failure = RecordingFailure(corrected ? kNoDataRow : kRecNoData);
  }
  return false;
}

// Whether and how the first column counts time: as the operator says, else from its name and
// unit. Without any header a first column beside others is time in seconds.
void ChooseTimeColumn(const Header& h, std::size_t n, DelimitedOverride::Time time,
                      DelimitedLayout& layout) {
  using Time = DelimitedOverride::Time;
  const Column& first = h.columns[0];
  const std::string firstName = Lower(first.name);
  const bool isTime = time == Time::kDetected ? first.unit.kind == Unit::kTime
                                              : time != Time::kIndex && time != Time::kNone;
  const bool isIndex = time == Time::kDetected
                           ? first.unit.kind == Unit::kIndex ||
                                 (first.unit.kind == Unit::kNone && IsIndexName(firstName))
                           : time == Time::kIndex;
  if (n < 2 || time == Time::kNone) return;
  if (isTime) {
    layout.timeColumn = 0;
    layout.timeUnitS = time == Time::kSeconds        ? 1
                       : time == Time::kMilliseconds ? 1e-3
                       : time == Time::kMicroseconds ? 1e-6
                       : time == Time::kNanoseconds  ? 1e-9
                                                     : first.unit.scale;
  } else if (isIndex) {
    layout.timeColumn = 0;
    layout.timeIsIndex = true;
    layout.timeUnitS = h.hasIncrement ? h.increment : 0;
  } else if (!h.any || (first.unit.kind == Unit::kNone && IsTimeName(firstName))) {
    layout.timeColumn = 0;
  }
}

// Volts per unit of each column: as the operator says, else as the header says.
std::vector<double> ChannelScales(const Header& h, DelimitedOverride::Volts volts,
                                  DelimitedLayout& layout) {
  std::vector<double> scale;
  layout.voltsPerUnit = -1;
  for (std::size_t j = 0; j < h.columns.size(); ++j) {
    const Unit& u = h.columns[j].unit;
    const bool inVolts = volts != DelimitedOverride::Volts::kDetected || u.kind == Unit::kVolts ||
                         u.kind == Unit::kNone;
    scale.push_back(volts == DelimitedOverride::Volts::kMillivolts ? 1e-3
                    : volts == DelimitedOverride::Volts::kVolts    ? 1.0
                    : u.kind == Unit::kVolts                       ? u.scale
                                                                   : 1.0);
    if (static_cast<int>(j) == layout.timeColumn) continue;
    const double v = inVolts ? scale.back() : 0;
    layout.voltsPerUnit = layout.voltsPerUnit < 0 || layout.voltsPerUnit == v ? v : 0;
  }
  if (layout.voltsPerUnit < 0) layout.voltsPerUnit = 0;
  return scale;
}

// The reading of ParseDelimited, with what it made of the layout so far in layout.
RecordingResult ParseRows(std::string_view text, const DelimitedOverride& o,
                          DelimitedLayout& layout) {
  RecordingResult r;
  layout.delimiter = o.delimiter.value_or(DetectDelimiter(text));
  layout.decimalMark = o.decimalMark.value_or('.');
  if (layout.delimiter == ',' && layout.decimalMark == ',') return RecordingFailure(kSameMarks);
  if (o.headerRows && *o.headerRows < 0)
    return RecordingFailure(kHeaderRows,
                            {std::to_string(*o.headerRows), std::to_string(LineCount(text))});

  LineCursor lines(text);
  std::string_view line;
  std::vector<std::string_view> cells;
  std::vector<std::vector<std::string>> headerRows;
  if (RecordingResult failure; !FindDataRow(lines, line, cells, o, layout, headerRows, failure))
    return failure;
  layout.headerRows = lines.number() - 1;
  const std::size_t n = cells.size();
  const Header h = ReadHeader(headerRows, n);
  if (h.namedColumns > static_cast<int>(n)) {
    const std::string& names = headerRows[0].size() > n ? headerRows[0][n] : std::string();
    return RecordingFailure(kEmptyChannel, {names.empty() ? std::to_string(n + 1) : names});
  }
  for (const Column& c : h.columns) {
    if (c.unit.kind == Unit::kFrequency)
      return RecordingFailure(kRecFrequencyDomain, {c.unit.text});
  }
  if (n < 2 && o.time != DelimitedOverride::Time::kDetected &&
      o.time != DelimitedOverride::Time::kNone)
    return RecordingFailure(kOneColumn);
  ChooseTimeColumn(h, n, o.time, layout);
  const std::vector<double> scale = ChannelScales(h, o.volts, layout);

  std::vector<double> time;
  std::vector<int> lineOf;
  std::vector<RecordingChannel> channels;
  for (std::size_t j = 0; j < n; ++j) {
    if (static_cast<int>(j) == layout.timeColumn) continue;
    const Column& c = h.columns[j];
    RecordingChannel ch;
    ch.name = c.name.empty() ? std::to_string(channels.size() + 1) : c.name;
    const bool volts = o.volts != DelimitedOverride::Volts::kDetected ||
                       c.unit.kind == Unit::kVolts || c.unit.kind == Unit::kNone;
    ch.unit = volts ? "V" : c.unit.text;
    ReserveLarge(ch.values, text.size() / (line.size() + 1) + 1);
    channels.push_back(std::move(ch));
  }
  do {
    if (IsBlank(line)) continue;
    SplitCells(line, layout.delimiter, cells);
    if (cells.size() != n) {
      return RecordingFailure(NumbersWithOther(line, layout.delimiter) ? kMixed : kColumns,
                              {std::to_string(lines.number())});
    }
    std::size_t c = 0;
    for (std::size_t j = 0; j < n; ++j) {
      double v = 0;
      if (!CellNumber(cells[j], layout.decimalMark, v))
        return RecordingFailure(kNotNumber,
                                {std::to_string(lines.number()), std::string(cells[j])});
      if (static_cast<int>(j) == layout.timeColumn) {
        time.push_back(v);
        lineOf.push_back(lines.number());
      } else {
        // A cell in kV can be finite and its volts not.
        const double volts = v * scale[j];
        if (!std::isfinite(volts))
          return RecordingFailure(kNotNumber,
                                  {std::to_string(lines.number()), std::string(cells[j])});
        channels[c++].values.push_back(volts);
      }
    }
  } while (lines.Next(line));
  if (channels.empty()) return RecordingFailure(kRecNoData);

  double interval = 0;
  if (layout.timeColumn >= 0) {
    double step = 0;
    RecordingResult uniform = CheckUniform(time, lineOf, step);
    if (!uniform.ok) return uniform;
    interval = RoundedInterval(step * layout.timeUnitS);
  }
  for (RecordingChannel& ch : channels) {
    ch.sampleIntervalS = interval > 0 ? interval : 0;
    ch.values.shrink_to_fit();
  }
  r.recording.channels = std::move(channels);
  r.recording.format = RecordingFormat::kDelimited;
  r.ok = true;
  return r;
}

}  // namespace

RecordingResult ParseDelimited(std::string_view text, const DelimitedOverride& layout) {
  if (LooksBinary(text.substr(0, 4096)) || std::memchr(text.data(), 0, text.size()) != nullptr)
    return RecordingFailure(kRecNotText);
  // A refusal keeps what was detected, so the operator can correct the layout from there.
  DelimitedLayout detected;
  RecordingResult r = ParseRows(text, layout, detected);
  r.recording.layout = detected;
  return r;
}

}  // namespace velk
