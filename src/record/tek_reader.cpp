#include <cstdint>
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
// negative when the file declares a negative one.
std::int64_t ParseTektronix(NumberStream& in, int& recordLength, std::vector<double>& values) {
  in.ScanInt(recordLength);
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

}  // namespace

int TektronixReader::Read(CVelkDoc& doc, Interaction& ui) {
  if (m_in.incidentStart < 0 || m_in.transmittedStart < 0) {
    ui.ShowMessage(kNegativeStart);
    return kReadFailed;
  }
  try {
    int recordLength = 1024;
    std::vector<double> channel[2];
    std::int64_t length[2] = {0, 0};
    const std::string* paths[2] = {&m_in.incidentPath, &m_in.transmittedPath};
    const int starts[2] = {m_in.incidentStart, m_in.transmittedStart};
    NumberStream in;
    for (int c = 0; c < 2; ++c) {
      std::vector<double> values;
      if (in.Open(*paths[c])) length[c] = ParseTektronix(in, recordLength, values);
      if (in.failed() || !in.isOpen()) {
        ui.ShowMessage(kOpenFault, {*paths[c]});
        return kReadFailed;
      }
      // A start point beyond the record leaves a channel of negative length.
      if (length[c] < starts[c]) {
        ui.ShowMessage(kAllocFault);
        return kReadFailed;
      }
      // The samples before the start point are dropped in place: a second copy of a long
      // channel would cost as much as reading it.
      values.resize(static_cast<std::size_t>(length[c]));
      values.erase(values.begin(), values.begin() + starts[c]);
      channel[c] = std::move(values);
    }
    // The point count follows the transmitted file's length less the incident start point;
    // InstallChannels pads or cuts both channels to it.
    const std::int64_t pointCount = length[1] - m_in.incidentStart;
    return InstallChannels(doc, ui, std::move(channel[0]), std::move(channel[1]), pointCount,
                           kTektronixSource, m_in.transmittedPath);
  } catch (const std::bad_alloc&) {
    ui.ShowMessage(kAllocFault);
    return kReadFailed;
  }
}

int ReadTektronixWaves(CVelkDoc& doc, Interaction& ui) {
  return TektronixReader(doc.ws().waveOpen).Read(doc, ui);
}

}  // namespace velk
