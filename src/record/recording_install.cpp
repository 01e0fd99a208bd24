#include "record/recording_install.h"

#include <cmath>
#include <new>

#include "record/interaction.h"
#include "record/reader_common.h"
#include "record/recording_parse.h"
#include "record/tr_noop.h"
#include "record/velk_doc.h"

namespace velk {

namespace {

constexpr const char* kIntervalsDiffer =
    VELK_TRANSLATE_NOOP("velk", "文件 %1 与文件 %2 的采样间隔不同（%3 s 与 %4 s）。");
constexpr const char* kNoChannel = VELK_TRANSLATE_NOOP("velk", "文件 %1 中没有通道 %2。");
constexpr const char* kStartBeyond =
    VELK_TRANSLATE_NOOP("velk", "开始点 %1 超出了文件 %2 的数据长度 %3。");

void Show(Interaction& ui, const RecordingResult& r) { ui.ShowMessage(r.message, r.args); }

bool IsNumber(const std::string& s) {
  return !s.empty() && s.size() < 9 && s.find_first_not_of("0123456789") == std::string::npos;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

}  // namespace

int FindRecordingChannel(const Recording& recording, const std::string& nameOrNumber) {
  const int count = static_cast<int>(recording.channels.size());
  if (nameOrNumber.empty()) return count > 0 ? 0 : -1;
  for (int k = 0; k < count; ++k) {
    if (SameNoCase(recording.channels[k].name, nameOrNumber)) return k;
  }
  if (IsNumber(nameOrNumber)) {
    const int n = std::stoi(nameOrNumber);
    if (n >= 1 && n <= count) return n - 1;
  }
  return -1;
}

RecordingResult CheckChannelPair(const RecordingChannel& incident, const std::string& incidentPath,
                                 const RecordingChannel& transmitted,
                                 const std::string& transmittedPath) {
  const double a = incident.sampleIntervalS;
  const double b = transmitted.sampleIntervalS;
  if (a > 0 && b > 0 && std::fabs(a - b) > 1e-6 * std::max(a, b))
    return RecordingFailure(kIntervalsDiffer,
                            {incidentPath, transmittedPath, NumberText(a), NumberText(b)});
  RecordingResult ok;
  ok.ok = true;
  return ok;
}

double PairInterval(const RecordingChannel& incident, const RecordingChannel& transmitted) {
  return incident.sampleIntervalS > 0 ? incident.sampleIntervalS : transmitted.sampleIntervalS;
}

void ApplyFileInterval(CVelkDoc& doc, double intervalS) {
  TestParameters& p = doc.params();
  p.sampleIntervalUs = intervalS * 1e6;
  p.samplingMhz = static_cast<float>(1.0 / p.sampleIntervalUs);
  doc.m_setup.samplingMhz = p.samplingMhz;
}

int RecordingPairReader::Read(CVelkDoc& doc, Interaction& ui) {
  if (m_inc.start < 0 || m_tr.start < 0) {
    ui.ShowMessage(kNegativeStart);
    return kReadFailed;
  }
  try {
    RecordingResult inc = ReadRecording(m_inc.path, m_inc.format, m_inc.layout);
    if (!inc.ok) return Show(ui, inc), kReadFailed;
    const bool sameFile =
        m_tr.path == m_inc.path && m_tr.format == m_inc.format && m_tr.layout == m_inc.layout;
    RecordingResult trOwn;
    if (!sameFile) {
      trOwn = ReadRecording(m_tr.path, m_tr.format, m_tr.layout);
      if (!trOwn.ok) return Show(ui, trOwn), kReadFailed;
    }
    RecordingResult& tr = sameFile ? inc : trOwn;

    const RecordingPick* picks[2] = {&m_inc, &m_tr};
    const RecordingResult* files[2] = {&inc, &tr};
    int index[2];
    for (int c = 0; c < 2; ++c) {
      index[c] = FindRecordingChannel(files[c]->recording, picks[c]->channel);
      if (index[c] < 0) {
        ui.ShowMessage(kNoChannel, {picks[c]->path, picks[c]->channel});
        return kReadFailed;
      }
    }
    RecordingChannel& ci = inc.recording.channels[index[0]];
    RecordingChannel& ct = tr.recording.channels[index[1]];
    if (const RecordingResult pair = CheckChannelPair(ci, m_inc.path, ct, m_tr.path); !pair.ok)
      return Show(ui, pair), kReadFailed;

    // Checked before anything is moved, so a refusal finds both channels whole.
    RecordingChannel* channels[2] = {&ci, &ct};
    for (int c = 0; c < 2; ++c) {
      const std::size_t size = channels[c]->values.size();
      if (static_cast<std::size_t>(picks[c]->start) >= size) {
        ui.ShowMessage(kStartBeyond,
                       {std::to_string(picks[c]->start), picks[c]->path, std::to_string(size)});
        return kReadFailed;
      }
    }
    const double interval = PairInterval(ci, ct);
    // The samples move into the record; a copy only when one channel is both waves. The samples
    // before a start point are dropped in place, as a second copy of a long channel would cost as
    // much as reading it.
    std::vector<double> waves[2];
    waves[0] = &ci == &ct ? ci.values : std::move(ci.values);
    waves[1] = std::move(ct.values);
    for (int c = 0; c < 2; ++c) {
      waves[c].erase(waves[c].begin(), waves[c].begin() + picks[c]->start);
    }
    // The test has as many points as the shorter channel holds after its start point.
    const auto pointCount = static_cast<std::int64_t>(std::min(waves[0].size(), waves[1].size()));
    if (InstallChannels(doc, ui, std::move(waves[0]), std::move(waves[1]), pointCount,
                        kTektronixSource, m_tr.path) != kReadOk)
      return kReadFailed;
    if (interval > 0) ApplyFileInterval(doc, interval);
    for (const RecordingResult* f : {&inc, &trOwn}) {
      for (const Recording::Note& n : f->recording.notes) ui.ShowMessage(n.text, n.args);
    }
    return kReadOk;
  } catch (const std::bad_alloc&) {
    ui.ShowMessage(kAllocFault);
    return kReadFailed;
  }
}

}  // namespace velk
