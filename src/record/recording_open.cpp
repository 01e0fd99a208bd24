#include "record/recording_open.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <new>

#include "record/interaction.h"
#include "record/reader.h"
#include "record/reader_common.h"
#include "record/recording_install.h"
#include "record/tr_noop.h"
#include "record/velk_doc.h"

namespace velk {

namespace {

constexpr const char* kPickChannels = VELK_TRANSLATE_NOOP("velk", "请选择入射波和透射波通道。");
constexpr const char* kStartBeyond =
    VELK_TRANSLATE_NOOP("velk", "开始点 %1 超出了文件 %2 的数据长度 %3。");

const RecordingChannel* ChannelOf(const RecordingOpenFields& f, const ChannelPick& p) {
  if (p.file < 0 || static_cast<std::size_t>(p.file) >= f.read.size()) return nullptr;
  const RecordingResult& r = f.read[static_cast<std::size_t>(p.file)];
  if (!r.ok || p.channel < 0 || static_cast<std::size_t>(p.channel) >= r.recording.channels.size())
    return nullptr;
  return &r.recording.channels[static_cast<std::size_t>(p.channel)];
}

std::string Count(std::size_t n) { return std::to_string(n); }

// The interval both channels share, or false after the message naming both files.
bool CommonInterval(const RecordingOpenFields& f, const RecordingChannel& inc,
                    const RecordingChannel& tr, Interaction& ui, double& interval) {
  const RecordingResult pair =
      CheckChannelPair(inc, f.paths[static_cast<std::size_t>(f.incident.file)], tr,
                       f.paths[static_cast<std::size_t>(f.transmitted.file)]);
  if (!pair.ok) {
    ui.ShowMessage(pair.message, pair.args);
    return false;
  }
  interval = PairInterval(inc, tr);
  return true;
}

// The channel's samples from start on; false after a message when start lies beyond them.
bool Cut(const RecordingOpenFields& f, const ChannelPick& p, int start, Interaction& ui,
         std::vector<double>& out) {
  const RecordingChannel& ch = *ChannelOf(f, p);
  if (start < 0) {
    ui.ShowMessage(kNegativeStart);
    return false;
  }
  if (static_cast<std::size_t>(start) >= ch.values.size()) {
    ui.ShowMessage(kStartBeyond, {std::to_string(start), f.paths[static_cast<std::size_t>(p.file)],
                                  Count(ch.values.size())});
    return false;
  }
  out.assign(ch.values.begin() + start, ch.values.end());
  return true;
}

}  // namespace

const RecordingResult& ReadChosenFile(RecordingOpenFields& fields, std::size_t k) {
  fields.formats.resize(fields.paths.size(), RecordingFormat::kAuto);
  fields.layouts.resize(fields.paths.size());
  if (fields.read.size() < fields.paths.size()) fields.read.resize(fields.paths.size());
  RecordingResult& r = fields.read[k];
  if (!r.ok && r.message.empty())
    r = ReadRecording(fields.paths[k], fields.formats[k], fields.layouts[k]);
  return r;
}

bool PrepareRecordingWaves(RecordingOpenFields& fields, Interaction& ui, PreparedWaves& out) {
  if (fields.paths.empty() || fields.paths.size() > 2) {
    ui.ShowMessage(kPickChannels);
    return false;
  }
  // Only the files the two channels come from need to be readable.
  for (const int file : {fields.incident.file, fields.transmitted.file}) {
    if (file < 0 || static_cast<std::size_t>(file) >= fields.paths.size()) {
      ui.ShowMessage(kPickChannels);
      return false;
    }
    const RecordingResult& r = ReadChosenFile(fields, static_cast<std::size_t>(file));
    if (!r.ok) {
      ui.ShowMessage(r.message, r.args);
      return false;
    }
  }
  const RecordingChannel* inc = ChannelOf(fields, fields.incident);
  const RecordingChannel* tr = ChannelOf(fields, fields.transmitted);
  if (!inc || !tr) {
    ui.ShowMessage(kPickChannels);
    return false;
  }
  PreparedWaves w;
  try {
    if (!CommonInterval(fields, *inc, *tr, ui, w.sampleIntervalS) ||
        !Cut(fields, fields.incident, fields.incidentStart, ui, w.incident) ||
        !Cut(fields, fields.transmitted, fields.transmittedStart, ui, w.transmitted))
      return false;
  } catch (const std::bad_alloc&) {
    ui.ShowMessage(kAllocFault);
    return false;
  }
  w.sourcePath = fields.paths[static_cast<std::size_t>(fields.transmitted.file)];
  for (const int file : {fields.incident.file, fields.transmitted.file}) {
    auto& notes = fields.read[static_cast<std::size_t>(file)].recording.notes;
    w.notes.insert(w.notes.end(), notes.begin(), notes.end());
    if (fields.incident.file == fields.transmitted.file) break;
  }
  out = std::move(w);
  return true;
}

int InstallRecordingWaves(CVelkDoc& doc, Interaction& ui, PreparedWaves waves) {
  // The channels of a test run side by side: both are cut to the shorter.
  const std::size_t n = std::min(waves.incident.size(), waves.transmitted.size());
  const int read =
      InstallChannels(doc, ui, std::move(waves.incident), std::move(waves.transmitted),
                      static_cast<std::int64_t>(n), kTektronixSource, waves.sourcePath);
  if (read != kReadOk) return read;
  // What the readers noted (a first record or segment read of several) once the test is open.
  for (const Recording::Note& n : waves.notes) ui.ShowMessage(n.text, n.args);
  if (!(waves.sampleIntervalS > 0)) return read;
  ApplyFileInterval(doc, waves.sampleIntervalS);
  return read;
}

RecordingFormat DetectFileFormat(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  if (!f) return RecordingFormat::kAuto;
  std::string head(4096, '\0');
  f.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(f.gcount()));
  return DetectRecordingFormat(head);
}

bool IsInstrumentRecording(const std::string& path) {
  switch (DetectFileFormat(path)) {
    case RecordingFormat::kIsf:
    case RecordingFormat::kTekCsv:
    case RecordingFormat::kTrc:
    case RecordingFormat::kDelimited:
      return true;
    default:
      return false;
  }
}

std::string IntervalText(double seconds) {
  if (!(seconds > 0) || !std::isfinite(seconds)) return "—";
  struct Unit {
    double scale;
    const char* name;
  };
  constexpr Unit kUnits[] = {{1, "s"}, {1e-3, "ms"}, {1e-6, "µs"}, {1e-9, "ns"}, {1e-12, "ps"}};
  const Unit* u = &kUnits[4];
  for (const Unit& c : kUnits) {
    if (seconds >= c.scale * 0.9999995) {
      u = &c;
      break;
    }
  }
  // Not printf: the desktop program runs in the operator's locale, which may write "0,2".
  char buf[48];
  const auto r =
      std::to_chars(buf, buf + sizeof buf, seconds / u->scale, std::chars_format::general, 6);
  return std::string(buf, r.ptr) + " " + u->name;
}

}  // namespace velk
