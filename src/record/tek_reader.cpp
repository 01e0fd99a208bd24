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

// A file that holds fewer samples than its header declares repeats its last sample up to the
// declared length (a slightly truncated export). A shortfall beyond this many samples means the
// header itself is damaged (say, a claim of 2,000,000,000 samples in a 10 MB file): the channel
// then holds just the samples present, so no header can make the program allocate gigabytes.
constexpr std::int64_t kMaxRepeatFill = std::int64_t{1} << 20;

// One file's samples from position 0 to its effective record length. recordLength is the one
// record-length variable both files share: a file whose length cannot be read keeps the value
// left by the file before (1024 for the first). Returns the effective record length, which is
// negative when the file declares a negative one. lengthRead tells whether the file gave its own.
std::int64_t ParseTektronix(NumberStream& in, int& recordLength, std::vector<double>& values,
                            bool& lengthRead) {
  lengthRead = in.ScanInt(recordLength);
  // Three header numbers, discarded. They never become a sample value.
  float header = 0;
  for (int k = 0; k < 3; ++k) in.ScanFloat(header);

  const std::int64_t declared = recordLength;
  values.clear();
  if (declared <= 0) return declared;
  // Every sample takes at least two bytes of text; a file of unknown size grows the channel as
  // samples arrive.
  const std::int64_t room = in.fileSize() > 0 ? in.fileSize() / 2 + 1 : 4096;
  ReserveFilled(values, static_cast<std::size_t>(std::min(declared, room)));
  // A read that fails leaves the last value read; a file gives its own samples only, so a file
  // without any sample holds zeros.
  float v = 0.0f;
  // A failed read never advances, exactly as a formatted read stays at the mismatch: once one
  // fails, so does every later one.
  while (static_cast<std::int64_t>(values.size()) < declared && in.ScanFloat(v)) {
    values.push_back(static_cast<double>(v));
  }
  const std::int64_t present = static_cast<std::int64_t>(values.size());
  if (declared - present > kMaxRepeatFill) return present;
  values.resize(static_cast<std::size_t>(declared), static_cast<double>(v));
  return declared;
}

// One channel file as read on its own; what went wrong is kept for the reader to report.
struct ChannelRead {
  std::vector<double> values;
  std::int64_t length = 0;
  int recordLength = 0;  // the shared record length after this file
  bool lengthRead = false;
  bool failed = false;  // could not be opened or read
  std::exception_ptr error;
};

// recordLength is the value the file falls back on when its own length cannot be read.
ChannelRead ReadChannel(const std::string& path, int start, int recordLength) {
  ChannelRead r;
  r.recordLength = recordLength;
  try {
    NumberStream in;
    if (in.Open(path)) r.length = ParseTektronix(in, r.recordLength, r.values, r.lengthRead);
    r.failed = in.failed() || !in.isOpen();
    // The samples before the start point are dropped in place: a second copy of a long
    // channel would cost as much as reading it. A start point beyond the record is reported.
    if (!r.failed && r.length >= start) {
      r.values.resize(static_cast<std::size_t>(r.length));
      r.values.erase(r.values.begin(), r.values.begin() + start);
    }
  } catch (...) {
    r.error = std::current_exception();
  }
  return r;
}

}  // namespace

int TektronixReader::Read(CVelkDoc& doc, Interaction& ui) {
  if (m_in.incidentStart < 0 || m_in.transmittedStart < 0) {
    ui.ShowMessage(kNegativeStart);
    return kReadFailed;
  }
  try {
    constexpr int kFirstRecordLength = 1024;
    const std::string* paths[2] = {&m_in.incidentPath, &m_in.transmittedPath};
    const int starts[2] = {m_in.incidentStart, m_in.transmittedStart};
    auto channel = ReadBothChannels(
        [&](int c) { return ReadChannel(*paths[c], starts[c], kFirstRecordLength); });
    // A transmitted file without a readable length takes the incident file's, which was not
    // known while both were read: read it again with that length.
    if (!channel[1].lengthRead && channel[0].recordLength != kFirstRecordLength &&
        !channel[0].failed && !channel[0].error) {
      channel[1] = ReadChannel(*paths[1], starts[1], channel[0].recordLength);
    }
    std::int64_t length[2] = {0, 0};
    for (int c = 0; c < 2; ++c) {
      if (channel[c].error) std::rethrow_exception(channel[c].error);
      if (channel[c].failed) {
        ui.ShowMessage(kOpenFault, {*paths[c]});
        return kReadFailed;
      }
      // A start point beyond the record leaves a channel of negative length.
      if (channel[c].length < starts[c]) {
        ui.ShowMessage(kAllocFault);
        return kReadFailed;
      }
      length[c] = channel[c].length;
    }
    // The point count follows the transmitted file's length less the incident start point;
    // InstallChannels pads or cuts both channels to it.
    const std::int64_t pointCount = length[1] - m_in.incidentStart;
    return InstallChannels(doc, ui, std::move(channel[0].values), std::move(channel[1].values),
                           pointCount, kTektronixSource, m_in.transmittedPath);
  } catch (const std::bad_alloc&) {
    ui.ShowMessage(kAllocFault);
    return kReadFailed;
  }
}

int ReadTektronixWaves(CVelkDoc& doc, Interaction& ui) {
  return TektronixReader(doc.ws().waveOpen).Read(doc, ui);
}

}  // namespace velk
