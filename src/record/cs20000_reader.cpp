#include <cstdint>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "record/interaction.h"
#include "record/large_buffer.h"
#include "record/number_stream.h"
#include "record/reader.h"
#include "record/reader_common.h"
#include "record/velk_doc.h"

namespace velk {

namespace {

// The recorder's channel arrays grow in steps of this many samples, and the point count is the
// capacity reached, so it is always a multiple of it less the incident start point.
constexpr std::int64_t kGrowStep = 1024;

// One channel file as read on its own; what went wrong is kept for the reader to report.
struct ChannelRead {
  std::vector<double> values;
  bool failed = false;  // could not be opened or read
  std::exception_ptr error;
};

ChannelRead ReadChannel(const std::string& path, int start) {
  ChannelRead r;
  try {
    NumberStream in;
    if (!in.Open(path)) {
      r.failed = true;
      return r;
    }
    // Every sample takes at least two bytes of text.
    ReserveLarge(r.values, static_cast<std::size_t>(in.fileSize() / 2 + 1));
    // Samples to the end of the file; a token that is not a number ends the file there.
    float v = 0.0f;
    for (std::int64_t i = 0; in.ScanFloat(v); ++i) {
      if (i >= start) r.values.push_back(static_cast<double>(v));
    }
    r.failed = in.failed();
  } catch (...) {
    r.error = std::current_exception();
  }
  return r;
}

}  // namespace

int Cs20000Reader::Read(CVelkDoc& doc, Interaction& ui) {
  if (m_in.incidentStart < 0 || m_in.transmittedStart < 0) {
    ui.ShowMessage(kNegativeStart);
    return kReadFailed;
  }
  try {
    const std::string* paths[2] = {&m_in.incidentPath, &m_in.transmittedPath};
    const int starts[2] = {m_in.incidentStart, m_in.transmittedStart};
    auto channel = ReadBothChannels([&](int c) { return ReadChannel(*paths[c], starts[c]); });
    // One capacity for both channels: it starts at one step and only ever grows.
    std::int64_t capacity = kGrowStep;
    for (int c = 0; c < 2; ++c) {
      if (channel[c].error) std::rethrow_exception(channel[c].error);
      if (channel[c].failed) {
        ui.ShowMessage(kOpenFault, {*paths[c]});
        return kReadFailed;
      }
      const std::int64_t kept = static_cast<std::int64_t>(channel[c].values.size());
      while (kept > capacity) capacity += kGrowStep;
    }
    // Positions between the last sample and the capacity got no value from the file: zero.
    const std::int64_t pointCount = capacity - m_in.incidentStart;
    return InstallChannels(doc, ui, std::move(channel[0].values), std::move(channel[1].values),
                           pointCount, kCs20000Source, m_in.incidentPath);
  } catch (const std::bad_alloc&) {
    ui.ShowMessage(kAllocFault);
    return kReadFailed;
  }
}

int ReadCs20000Waves(CVelkDoc& doc, Interaction& ui) {
  return Cs20000Reader(doc.ws().waveOpen).Read(doc, ui);
}

}  // namespace velk
