#include "tools/session_file.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <limits>
#include <stdexcept>

#include "record/tr_noop.h"
#include "tools/session_commands.h"

namespace velk {

// Named fields for the settings; a field the file lacks keeps its default, so a later version's
// reader of this one still works and a hand-edited file stays readable.
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE_WITH_DEFAULT(ChannelSlots, factor, bridgeVoltage,
                                                calBridgeVoltage, gainOrStaticStrain, gaugeFactor,
                                                armsOrHeight)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE_WITH_DEFAULT(
    TestParameters, samplingMhz, sampleIntervalUs, barMaterialIndex, barDiameterIndex,
    barWaveSpeedMs, barModulusMpa, barAreaMm2, specimenDiameterMm, specimenThicknessMm,
    impactedDiameterMm, impactedLengthMm, matrixWaveSpeedMs, specimenWaveSpeedMs, strikerVelocityMs,
    strikeBarVelocityMs, strikeBarLengthMm, windowIndices, channel, trBarDiffers,
    trBarMaterialIndex, trBarDiameterIndex, trBarWaveSpeedMs, trBarModulusMpa, trBarAreaMm2,
    barPoisson, trBarPoisson, barDiameterMm, trBarDiameterMm, incGaugeDistanceMm, trGaugeDistanceMm,
    dispersionCorrection)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE_WITH_DEFAULT(
    SetupFields, waveChoice, barMaterialIndex, computeModel, specimenDiameterMm,
    specimenThicknessMm, specimenWaveSpeedMs, barDiameterIndex, matrixWaveSpeedMs,
    strikerVelocityMs, samplingMhz, trBarDiffers, trBarMaterialIndex, trBarDiameterIndex,
    dispersionCorrection, incGaugeDistanceMm, trGaugeDistanceMm)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE_WITH_DEFAULT(BarMaterialRow, name, waveSpeedMs, modulusMpa,
                                                poisson, densityKgM3)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE_WITH_DEFAULT(BarDiameterRow, name, diameterMm, areaMm2)

namespace {

using json = nlohmann::json;
namespace fs = std::filesystem;

constexpr const char* kDamaged =
    VELK_TRANSLATE_NOOP("velk", "会话文件 %1 已损坏，无法打开（%2）。");

// A fault in the file's content, reported as damage with this detail.
struct Damage : std::runtime_error {
  using std::runtime_error::runtime_error;
};

const std::pair<SessionSource, const char*> kSources[] = {
    {SessionSource::kTektronix, "tektronix"},          {SessionSource::kCs20000, "cs20000"},
    {SessionSource::kRecordFile, "record file"},       {SessionSource::kRecording, "recording"},
    {SessionSource::kRecordingPair, "recording pair"},
};
const std::pair<SessionCommand, const char*> kCommands[] = {
    {SessionCommand::kCalculate, "calculate"},   {SessionCommand::kRecalculate, "recalculate"},
    {SessionCommand::kSmooth, "smooth"},         {SessionCommand::kCut, "cut"},
    {SessionCommand::kStraighten, "straighten"},
};
// Answers of the method dialog "数据计算"; anything else closed it.
const std::pair<int, const char*> kMethods[] = {
    {4, "pick fronts"}, {5, "align peaks"}, {6, "typed windows"}, {2, "closed"}};

template <class T, std::size_t N>
const char* NameOf(const std::pair<T, const char*> (&table)[N], T value, const char* otherwise) {
  for (const auto& [v, name] : table) {
    if (v == value) return name;
  }
  return otherwise;
}

template <class T, std::size_t N>
T ValueOf(const std::pair<T, const char*> (&table)[N], const std::string& name, const char* what) {
  for (const auto& [v, n] : table) {
    if (name == n) return v;
  }
  throw Damage(std::string("unknown ") + what + " \"" + name + "\"");
}

const std::pair<char, const char*> kDelimiters[] = {
    {',', "comma"}, {';', "semicolon"}, {'\t', "tab"}};
const std::pair<char, const char*> kDecimalMarks[] = {{'.', "point"}, {',', "comma"}};
const std::pair<DelimitedOverride::Time, const char*> kTimeUnits[] = {
    {DelimitedOverride::Time::kSeconds, "s"},       {DelimitedOverride::Time::kMilliseconds, "ms"},
    {DelimitedOverride::Time::kMicroseconds, "us"}, {DelimitedOverride::Time::kNanoseconds, "ns"},
    {DelimitedOverride::Time::kIndex, "index"},     {DelimitedOverride::Time::kNone, "none"}};
const std::pair<DelimitedOverride::Volts, const char*> kChannelUnits[] = {
    {DelimitedOverride::Volts::kVolts, "V"}, {DelimitedOverride::Volts::kMillivolts, "mV"}};

// A file's layout corrections, only the fields the operator set.
json LayoutJson(const DelimitedOverride& o) {
  json j = json::object();
  if (o.delimiter) j["delimiter"] = NameOf(kDelimiters, *o.delimiter, "");
  if (o.decimalMark) j["decimal"] = NameOf(kDecimalMarks, *o.decimalMark, "");
  if (o.headerRows) j["header_rows"] = *o.headerRows;
  if (o.time != DelimitedOverride::Time::kDetected) j["time_unit"] = NameOf(kTimeUnits, o.time, "");
  if (o.volts != DelimitedOverride::Volts::kDetected) {
    j["channel_unit"] = NameOf(kChannelUnits, o.volts, "");
  }
  return j;
}

DelimitedOverride LayoutFrom(const json& j) {
  if (!j.is_object()) throw Damage("a layout must be an object");
  DelimitedOverride o;
  for (const auto& [key, value] : j.items()) {
    if (key == "delimiter") {
      o.delimiter = ValueOf(kDelimiters, value.get<std::string>(), "delimiter");
    } else if (key == "decimal") {
      o.decimalMark = ValueOf(kDecimalMarks, value.get<std::string>(), "decimal mark");
    } else if (key == "header_rows") {
      o.headerRows = value.get<int>();
    } else if (key == "time_unit") {
      o.time = ValueOf(kTimeUnits, value.get<std::string>(), "time unit");
    } else if (key == "channel_unit") {
      o.volts = ValueOf(kChannelUnits, value.get<std::string>(), "channel unit");
    } else {
      throw Damage("unknown layout field \"" + key + "\"");
    }
  }
  return o;
}

std::string Hex(std::uint64_t v) {
  char buf[17];
  std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(v));
  return buf;
}

std::uint64_t FromHex(const std::string& s) {
  if (s.empty() || s.size() > 16 || s.find_first_not_of("0123456789abcdefABCDEF") != s.npos) {
    throw Damage("check \"" + s + "\" is not a digest");
  }
  return std::stoull(s, nullptr, 16);
}

const std::array<const char*, 6> kWindowNames = {"incident_start",    "incident_end",
                                                 "reflected_start",   "reflected_end",
                                                 "transmitted_start", "transmitted_end"};
const std::array<const char*, 4> kBaselineNames = {"incident_start", "incident_end",
                                                   "transmitted_start", "transmitted_end"};

template <std::size_t N>
json Named(const std::array<int, N>& v, const std::array<const char*, N>& names) {
  json j = json::object();
  for (std::size_t i = 0; i < N; ++i) j[names[i]] = v[i];
  return j;
}

template <std::size_t N>
std::array<int, N> FromNamed(const json& j, const std::array<const char*, N>& names) {
  std::array<int, N> v{};
  for (std::size_t i = 0; i < N; ++i) v[i] = j.at(names[i]).template get<int>();
  return v;
}

std::string Relative(const std::string& path, const fs::path& base) {
  const fs::path p(path);
  if (p.root_name() != base.root_name()) return path;
  const fs::path rel = p.lexically_relative(base);
  return rel.empty() ? path : rel.generic_string();
}

std::string Resolve(const std::string& path, const fs::path& base) {
  const fs::path p(path);
  return p.is_absolute() ? path : (base / p).lexically_normal().string();
}

fs::path FolderOf(const std::string& sessionPath) {
  std::error_code ec;
  const fs::path abs = fs::absolute(sessionPath, ec);
  return (ec ? fs::path(sessionPath) : abs).lexically_normal().parent_path();
}

json InputJson(const SessionInput& in, const fs::path& base) {
  json files = json::array();
  for (const std::string& p : in.paths) files.push_back(Relative(p, base));
  json j{{"source", NameOf(kSources, in.source, "none")},
         {"files", files},
         {"starts", {in.incidentStart, in.transmittedStart}},
         {"check", Hex(in.check)}};
  if (in.source == SessionSource::kRecordingPair) {
    j["formats"] = in.formats;
    j["channels"] = in.channels;
  }
  // Written only when the operator corrected a layout, so other sessions read as before.
  if (std::any_of(in.layouts.begin(), in.layouts.end(),
                  [](const DelimitedOverride& o) { return o != DelimitedOverride{}; })) {
    json layouts = json::array();
    for (const DelimitedOverride& o : in.layouts) layouts.push_back(LayoutJson(o));
    j["layouts"] = layouts;
  }
  if (in.source == SessionSource::kRecording) {
    j["formats"] = in.formats;
    j["incident"] = {{"file", in.incidentFile}, {"channel", in.incidentChannel}};
    j["transmitted"] = {{"file", in.transmittedFile}, {"channel", in.transmittedChannel}};
  }
  return j;
}

SessionInput InputFrom(const json& j, const fs::path& base) {
  SessionInput in;
  in.source = ValueOf(kSources, j.at("source").get<std::string>(), "source");
  for (const std::string& p : j.at("files").get<std::vector<std::string>>()) {
    in.paths.push_back(Resolve(p, base));
  }
  const std::size_t need = in.source == SessionSource::kRecordFile ? 1 : 2;
  const bool fits = in.source == SessionSource::kRecording
                        ? !in.paths.empty() && in.paths.size() <= 2
                        : in.paths.size() == need;
  if (!fits) throw Damage("wrong number of input files");
  const auto starts = j.at("starts").get<std::array<int, 2>>();
  in.incidentStart = starts[0];
  in.transmittedStart = starts[1];
  in.check = FromHex(j.at("check").get<std::string>());
  if (in.source == SessionSource::kRecordingPair) {
    in.formats = j.at("formats").get<std::vector<std::string>>();
    in.channels = j.at("channels").get<std::vector<std::string>>();
    if (in.formats.size() != 2 || in.channels.size() != 2) {
      throw Damage("a recording pair needs two formats and two channels");
    }
  }
  if (j.contains("layouts")) {
    for (const json& o : j.at("layouts")) in.layouts.push_back(LayoutFrom(o));
    if (in.layouts.size() != in.paths.size()) throw Damage("one layout per file is needed");
  }
  const bool recording =
      in.source == SessionSource::kRecording || in.source == SessionSource::kRecordingPair;
  if (recording) in.layouts.resize(in.paths.size());
  if (in.source == SessionSource::kRecording) {
    in.formats = j.at("formats").get<std::vector<std::string>>();
    if (in.formats.size() != in.paths.size()) throw Damage("one format per file is needed");
    in.incidentFile = j.at("incident").at("file").get<int>();
    in.incidentChannel = j.at("incident").at("channel").get<int>();
    in.transmittedFile = j.at("transmitted").at("file").get<int>();
    in.transmittedChannel = j.at("transmitted").at("channel").get<int>();
  }
  return in;
}

SessionSettings SettingsFrom(const json& j) {
  SessionSettings s;
  s.params = j.at("parameters").get<TestParameters>();
  s.setup = j.at("setup").get<SetupFields>();
  s.resultLimit = j.at("result_limit").get<int>();
  const auto b = FromNamed(j.at("baselines"), kBaselineNames);
  s.incBaseStart = b[0];
  s.incBaseEnd = b[1];
  s.trBaseStart = b[2];
  s.trBaseEnd = b[3];
  s.windows = FromNamed(j.at("windows"), kWindowNames);
  s.flags = j.at("flags").get<std::uint32_t>() & kSessionFlags;
  const json& bars = j.at("bars");
  const char* names[2] = {"incident", "transmission"};
  for (int k = 0; k < 2; ++k) {
    if (!bars.contains(names[k])) continue;
    const json& bar = bars.at(names[k]);
    if (bar.contains("material")) s.materials[k] = bar.at("material").get<BarMaterialRow>();
    if (bar.contains("diameter")) s.diameters[k] = bar.at("diameter").get<BarDiameterRow>();
  }
  return s;
}

json StepJson(const SessionStep& s) {
  json j{{"command", NameOf(kCommands, s.command, "")},
         {"chooser_shows_smoothed", s.chooserShowsSmoothed},
         {"check", Hex(s.check)}};
  if (s.hasView) {
    j["view"] = {{"curve_kind", s.curveKind},
                 {"shows_smoothed", s.viewShowsSmoothed},
                 {"shows_unsmoothed", s.viewShowsUnsmoothed}};
  }
  if (s.settings) j["settings"] = SettingsJson(*s.settings);
  switch (s.command) {
    case SessionCommand::kCalculate: {
      j["method"] = NameOf(kMethods, s.method, "closed");
      json picks = json::array();
      for (const auto& p : s.picks) picks.push_back(p ? json(*p) : json(nullptr));
      if (!s.picks.empty()) j["picks"] = picks;
      if (s.windows) j["windows"] = Named(*s.windows, kWindowNames);
      if (s.baselines) j["baselines"] = Named(*s.baselines, kBaselineNames);
      break;
    }
    case SessionCommand::kSmooth:
      j["points"] = s.points;
      j["total"] = s.total;
      break;
    case SessionCommand::kCut:
      j["index"] = s.picks.empty() ? 0 : s.picks.front().value_or(0);
      break;
    case SessionCommand::kStraighten:
      j["centre"] = s.picks.empty() ? 0 : s.picks.front().value_or(0);
      break;
    case SessionCommand::kRecalculate:
      break;
  }
  return j;
}

SessionStep StepFrom(const json& j) {
  SessionStep s;
  s.command = ValueOf(kCommands, j.at("command").get<std::string>(), "command");
  s.chooserShowsSmoothed = j.at("chooser_shows_smoothed").get<bool>();
  s.check = FromHex(j.at("check").get<std::string>());
  if (j.contains("view")) {
    const json& v = j.at("view");
    s.hasView = true;
    s.curveKind = v.at("curve_kind").get<int>();
    s.viewShowsSmoothed = v.at("shows_smoothed").get<int>();
    s.viewShowsUnsmoothed = v.at("shows_unsmoothed").get<int>();
  }
  if (j.contains("settings")) s.settings = SettingsFrom(j.at("settings"));
  switch (s.command) {
    case SessionCommand::kCalculate:
      s.method = ValueOf(kMethods, j.at("method").get<std::string>(), "method");
      if (j.contains("picks")) {
        for (const json& p : j.at("picks")) {
          s.picks.push_back(p.is_null() ? std::nullopt : std::optional<int>(p.get<int>()));
        }
      }
      if (j.contains("windows")) s.windows = FromNamed(j.at("windows"), kWindowNames);
      if (j.contains("baselines")) s.baselines = FromNamed(j.at("baselines"), kBaselineNames);
      break;
    case SessionCommand::kSmooth:
      s.points = j.at("points").get<int>();
      s.total = j.at("total").get<int>();
      break;
    case SessionCommand::kCut:
      s.picks = {j.at("index").get<int>()};
      break;
    case SessionCommand::kStraighten:
      s.picks = {j.at("centre").get<int>()};
      break;
    case SessionCommand::kRecalculate:
      break;
  }
  return s;
}

// The settings hold floats: a number beyond their range would not convert. A session is a few
// levels deep; a deeper text is no session.
void CheckNumbers(const json& j, int depth = 0) {
  if (depth > 16) throw Damage("nested too deeply");
  if (j.is_structured()) {
    for (const json& e : j) CheckNumbers(e, depth + 1);
  } else if (j.is_number_float()) {
    const double v = j.get<double>();
    if (!(std::fabs(v) <= std::numeric_limits<float>::max())) {
      throw Damage("number " + j.dump() + " out of range");
    }
  }
}

}  // namespace

json SettingsJson(const SessionSettings& s) {
  json bars = json::object();
  const char* names[2] = {"incident", "transmission"};
  for (int k = 0; k < 2; ++k) {
    json bar = json::object();
    if (s.materials[k]) bar["material"] = *s.materials[k];
    if (s.diameters[k]) bar["diameter"] = *s.diameters[k];
    bars[names[k]] = bar;
  }
  return json{{"parameters", s.params},
              {"setup", s.setup},
              {"result_limit", s.resultLimit},
              {"baselines",
               Named(std::array<int, 4>{s.incBaseStart, s.incBaseEnd, s.trBaseStart, s.trBaseEnd},
                     kBaselineNames)},
              {"windows", Named(s.windows, kWindowNames)},
              {"flags", s.flags},
              {"bars", bars}};
}

FileResult SessionOf(const CVelkDoc& doc, SessionFile& out) {
  if (doc.m_journal.input.source == SessionSource::kNone) {
    return FileResult::Failure(
        VELK_TRANSLATE_NOOP("velk", "这个试验不是从数据文件打开的，不能保存为会话。"));
  }
  out.journal = doc.m_journal;
  out.settings = CaptureSettings(doc);
  return {};
}

std::string SessionText(const SessionFile& s, const std::string& sessionPath) {
  const fs::path base = FolderOf(sessionPath);
  json steps = json::array();
  for (const SessionStep& step : s.journal.steps) steps.push_back(StepJson(step));
  const json j{{"format", kSessionFormat},
               {"version", kSessionVersion},
               {"input", InputJson(s.journal.input, base)},
               {"steps", steps},
               {"settings", SettingsJson(s.settings)}};
  return j.dump(1) + "\n";
}

FileResult ParseSession(std::string_view text, const std::string& sessionPath, SessionFile& out) {
  try {
    const json j = json::parse(text);
    CheckNumbers(j);
    if (!j.is_object() || j.value("format", std::string()) != kSessionFormat) {
      throw Damage("not a Velk session");
    }
    const int version = j.at("version").get<int>();
    if (version > kSessionVersion) {
      return FileResult::Failure(
          VELK_TRANSLATE_NOOP("velk",
                              "会话文件 %1 的格式版本 %2 比本程序能读的更新（%3），无法打开。"),
          {sessionPath, std::to_string(version), std::to_string(kSessionVersion)});
    }
    if (version < 1) throw Damage("version " + std::to_string(version));
    const fs::path base = FolderOf(sessionPath);
    SessionFile s;
    s.journal.input = InputFrom(j.at("input"), base);
    for (const json& step : j.at("steps")) s.journal.steps.push_back(StepFrom(step));
    s.settings = SettingsFrom(j.at("settings"));
    out = std::move(s);
    return {};
  } catch (const std::exception& e) {
    // nlohmann's exceptions and Damage: the detail helps whoever edited the file by hand.
    return FileResult::Failure(kDamaged, {sessionPath, e.what()});
  }
}

FileResult ReadSessionFile(const std::string& path, SessionFile& out) {
  std::string text;
  if (!ReadWholeFile(path, text)) {
    return FileResult::Failure(VELK_TRANSLATE_NOOP("velk", "无法读取会话文件 %1。"), {path});
  }
  return ParseSession(text, path, out);
}

FileResult WriteSessionFile(const std::string& path, const CVelkDoc& doc) {
  SessionFile s;
  if (FileResult r = SessionOf(doc, s); !r) return r;
  return WriteFileAtomically(path, SessionText(s, path));
}

}  // namespace velk
