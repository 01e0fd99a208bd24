// Instrument recordings on the command line: --inc/--tr with their channels, --format,
// --describe and --waves-csv.

#include <CLI/CLI.hpp>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/reduce_cli.h"
#include "cli/reduce_language.h"
#include "record/file_io.h"
#include "record/recording_install.h"
#include "record/tr_noop.h"
#include "tools/session_commands.h"

namespace velk::cli {

namespace {

constexpr RecordingFormat kFormats[] = {RecordingFormat::kAuto,    RecordingFormat::kTektronixText,
                                        RecordingFormat::kCs20000, RecordingFormat::kRecordFile,
                                        RecordingFormat::kIsf,     RecordingFormat::kTekCsv,
                                        RecordingFormat::kTrc,     RecordingFormat::kDelimited};

RecordingFormat FormatNamed(const std::string& name) {
  for (const RecordingFormat f : kFormats) {
    if (name == RecordingFormatName(f)) return f;
  }
  return RecordingFormat::kAuto;
}

// A message's arguments as BatchInteraction shows them: an argument may itself be a source text;
// a path or a number is not in the catalogue and stays as it is.
std::vector<std::string> TranslatedArgs(const std::vector<std::string>& args) {
  std::vector<std::string> out;
  for (const std::string& a : args) out.push_back(Translate(a));
  return out;
}

std::string Delimiter(char c) { return c == '\t' ? "tab" : std::string(1, c); }

template <class T>
struct Named {
  const char* name;
  T value;
};
constexpr Named<char> kDelimiters[] = {{"comma", ','}, {"semicolon", ';'}, {"tab", '\t'}};
constexpr Named<char> kDecimalMarks[] = {{"point", '.'}, {"comma", ','}};
using Time = DelimitedOverride::Time;
constexpr Named<Time> kTimeUnits[] = {{"s", Time::kSeconds},       {"ms", Time::kMilliseconds},
                                      {"us", Time::kMicroseconds}, {"ns", Time::kNanoseconds},
                                      {"index", Time::kIndex},     {"none", Time::kNone}};
using Volts = DelimitedOverride::Volts;
constexpr Named<Volts> kChannelUnits[] = {{"V", Volts::kVolts}, {"mV", Volts::kMillivolts}};

template <class T, std::size_t N>
std::vector<std::string> Names(const Named<T> (&table)[N]) {
  std::vector<std::string> out;
  for (const Named<T>& n : table) out.emplace_back(n.name);
  return out;
}

// The value named, or fallback when the option was not given (CLI11 has checked the name).
template <class T, std::size_t N>
T Lookup(const Named<T> (&table)[N], const std::string& name, T fallback) {
  for (const Named<T>& n : table) {
    if (name == n.name) return n.value;
  }
  return fallback;
}

bool AnyLayoutOption(const ReduceOptions& o) {
  return !o.delimiter.empty() || !o.decimal.empty() || !o.timeUnit.empty() ||
         !o.channelUnit.empty() || o.headerRows.has_value();
}

void AddLayoutOptions(CLI::App& app, ReduceOptions& o, const char* group) {
  app.add_option("--delimiter", o.delimiter,
                 VELK_TRANSLATE_NOOP("velk", "Delimiter of a delimited text file, if not detected"))
      ->check(CLI::IsMember(Names(kDelimiters)))
      ->group(group);
  app.add_option("--decimal", o.decimal,
                 VELK_TRANSLATE_NOOP("velk", "Decimal mark of a delimited text file"))
      ->check(CLI::IsMember(Names(kDecimalMarks)))
      ->group(group);
  app.add_option(
         "--header-rows", o.headerRows,
         VELK_TRANSLATE_NOOP("velk", "Lines before the first data row of a delimited text file"))
      ->type_name("N")
      ->check(CLI::NonNegativeNumber)
      ->group(group);
  app.add_option("--time-unit", o.timeUnit,
                 VELK_TRANSLATE_NOOP("velk",
                                     "First column of a delimited text file: time in s, ms, us "
                                     "or ns, a sample index, or none (a channel)"))
      ->check(CLI::IsMember(Names(kTimeUnits)))
      ->group(group);
  app.add_option("--channel-unit", o.channelUnit,
                 VELK_TRANSLATE_NOOP("velk", "Unit of the channels of a delimited text file"))
      ->check(CLI::IsMember(Names(kChannelUnits)))
      ->group(group);
}

}  // namespace

void AddRecordingOptions(CLI::App& app, ReduceOptions& o) {
  const char* group = VELK_TRANSLATE_NOOP("velk", "Instrument recordings");
  std::vector<std::string> names;
  for (const RecordingFormat f : kFormats) names.emplace_back(RecordingFormatName(f));
  app.add_option("--inc", o.inc,
                 VELK_TRANSLATE_NOOP("velk", "Recording holding the incident channel"))
      ->type_name("FILE")
      ->group(group);
  app.add_option(
         "--inc-channel", o.incChannel,
         VELK_TRANSLATE_NOOP(
             "velk", "Incident channel: its name in the file or its number from 1 (default 1)"))
      ->type_name("NAME|N")
      ->group(group);
  app.add_option("--tr", o.tr,
                 VELK_TRANSLATE_NOOP(
                     "velk", "Recording holding the transmitted channel (may be the --inc file)"))
      ->type_name("FILE")
      ->group(group);
  app.add_option(
         "--tr-channel", o.trChannel,
         VELK_TRANSLATE_NOOP(
             "velk", "Transmitted channel: its name in the file or its number from 1 (default 1)"))
      ->type_name("NAME|N")
      ->group(group);
  app.add_option("--format", o.format,
                 VELK_TRANSLATE_NOOP("velk", "Format of the --inc, --tr and --describe files"))
      ->check(CLI::IsMember(names))
      ->group(group);
  app.add_option("--describe", o.describe,
                 VELK_TRANSLATE_NOOP("velk",
                                     "Print the file's format, channels, point counts, intervals "
                                     "and units as JSON and exit"))
      ->type_name("FILE")
      ->group(group);
  app.add_option(
         "--waves-csv", o.wavesCsv,
         VELK_TRANSLATE_NOOP("velk", "Write the two waves as read, before any processing, as CSV"))
      ->type_name("FILE")
      ->group(group);
  AddLayoutOptions(app, o, group);
}

DelimitedOverride LayoutOverride(const ReduceOptions& o) {
  DelimitedOverride layout;
  if (!o.delimiter.empty()) layout.delimiter = Lookup(kDelimiters, o.delimiter, ',');
  if (!o.decimal.empty()) layout.decimalMark = Lookup(kDecimalMarks, o.decimal, '.');
  layout.headerRows = o.headerRows;
  layout.time = Lookup(kTimeUnits, o.timeUnit, Time::kDetected);
  layout.volts = Lookup(kChannelUnits, o.channelUnit, Volts::kDetected);
  return layout;
}

std::string CheckRecordingOptions(const ReduceOptions& o) {
  if (o.inc.empty() != o.tr.empty())
    return VELK_TRANSLATE_NOOP("velk", "--inc and --tr go together");
  if (o.inc.empty() && (!o.incChannel.empty() || !o.trChannel.empty()))
    return VELK_TRANSLATE_NOOP("velk",
                               "--inc-channel and --tr-channel apply to --inc and --tr only");
  if (o.inc.empty() && AnyLayoutOption(o))
    return VELK_TRANSLATE_NOOP("velk",
                               "--delimiter, --decimal, --header-rows, --time-unit and "
                               "--channel-unit apply to --inc, --tr and --describe");
  if (o.inc.empty() && o.format != "auto")
    return VELK_TRANSLATE_NOOP("velk", "--format applies to --inc, --tr and --describe");
  if (o.format == "record" && o.inc != o.tr)
    return VELK_TRANSLATE_NOOP(
        "velk", "a test record file holds both channels: give the same file to --inc and --tr");
  return {};
}

int DescribeRecording(const ReduceOptions& o, std::ostream& out, std::ostream& err) {
  const RecordingResult r = ReadRecording(o.describe, FormatNamed(o.format), LayoutOverride(o));
  if (!r.ok) {
    err << "velk-reduce: " << FormatArgs(Translate(r.message), TranslatedArgs(r.args)) << "\n";
    return kExitFailed;
  }
  nlohmann::ordered_json j;
  j["file"] = o.describe;
  j["format"] = RecordingFormatName(r.recording.format);
  j["channels"] = nlohmann::json::array();
  for (const RecordingChannel& ch : r.recording.channels) {
    nlohmann::ordered_json c;
    c["name"] = ch.name;
    c["points"] = ch.values.size();
    c["interval_s"] = ch.sampleIntervalS > 0 ? nlohmann::ordered_json(ch.sampleIntervalS)
                                             : nlohmann::ordered_json(nullptr);
    c["unit"] = ch.unit;
    j["channels"].push_back(c);
  }
  if (r.recording.format == RecordingFormat::kDelimited ||
      r.recording.format == RecordingFormat::kTekCsv) {
    const DelimitedLayout& l = r.recording.layout;
    j["layout"] = {
        {"delimiter", Delimiter(l.delimiter)}, {"decimal_mark", std::string(1, l.decimalMark)},
        {"header_rows", l.headerRows},         {"time_column", l.timeColumn},
        {"time_is_index", l.timeIsIndex},      {"time_unit_s", l.timeUnitS}};
  }
  j["notes"] = nlohmann::json::array();
  for (const Recording::Note& n : r.recording.notes)
    j["notes"].push_back(FormatArgs(Translate(n.text), TranslatedArgs(n.args)));
  out << j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
  return kExitDone;
}

int OpenRecordings(const ReduceOptions& o, ReduceSession& s) {
  s.ws.flags = 0;
  const RecordingFormat format = FormatNamed(o.format);
  const int incStart = o.start.empty() ? 0 : o.start[0];
  const int trStart = o.start.empty() ? 0 : o.start[1];
  auto doc = std::make_unique<CVelkDoc>(s.ws);
  const DelimitedOverride layout = LayoutOverride(o);
  const RecordingPick inc{o.inc, format, o.incChannel, incStart, layout};
  const RecordingPick tr{o.tr, format, o.trChannel, trStart, layout};
  if (RecordingPairReader(inc, tr).Read(*doc, s.ui) != kReadOk) return kExitFailed;
  NoteOpened(*doc, RecordingPairInput(inc, tr));
  s.doc = std::move(doc);
  return kExitDone;
}

int WriteWavesCsv(const ReduceOptions& o, ReduceSession& s) {
  const CVelkDoc& doc = *s.doc;
  const double dt = s.ws.params.sampleIntervalUs;
  std::string text = "index,time_us,incident,transmitted\n";
  text.reserve(text.size() + static_cast<std::size_t>(doc.pointCount()) * 56);
  char row[128];
  for (int i = 0; i < doc.pointCount(); ++i) {
    const int n = std::snprintf(row, sizeof row, "%d,%.9g,%.9g,%.9g\n", i, i * dt,
                                doc.m_rawInc[static_cast<std::size_t>(i)],
                                doc.m_rawTr[static_cast<std::size_t>(i)]);
    text.append(row, static_cast<std::size_t>(n));
  }
  return WriteFileAtomically(o.wavesCsv, text).Report(s.ui) ? kExitDone : kExitFailed;
}

}  // namespace velk::cli
