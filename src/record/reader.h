#pragma once
// Readers fill a freshly built test record from recorder files. Each recorder format is one class
// behind WaveReader, so another format (Tektronix CSV or binary, generic CSV) is one more class.
//
// Every reader reads its files itself, whole, from the paths it was given, and fills the record
// only when everything succeeded: raw waves (point count each), the baseline means and the source
// flags. The working and smoothed waves are made later, when a command needs them. On failure it
// tells the operator why through the Interaction and leaves the record as it was; the caller then
// discards the record.

#include <string>

#include "record/workspace.h"

namespace velk {

class CVelkDoc;
class Interaction;

// Reader results, as the open commands expect them.
inline constexpr int kReadOk = 1;
inline constexpr int kReadFailed = -1;

class WaveReader {
 public:
  virtual ~WaveReader() = default;
  // kReadOk, or kReadFailed after a message to the operator.
  virtual int Read(CVelkDoc& doc, Interaction& ui) = 0;
};

// Tektronix text files: record length, three header numbers, samples (volts). Sets flags 0x080
// and 0x004.
class TektronixReader : public WaveReader {
 public:
  explicit TektronixReader(WaveOpenInputs inputs) : m_in(std::move(inputs)) {}
  int Read(CVelkDoc& doc, Interaction& ui) override;

 private:
  WaveOpenInputs m_in;
};

// CS20000 recorder files: samples to the end of the file, no header. Sets flags 0x400 and 0x004.
class Cs20000Reader : public WaveReader {
 public:
  explicit Cs20000Reader(WaveOpenInputs inputs) : m_in(std::move(inputs)) {}
  int Read(CVelkDoc& doc, Interaction& ui) override;

 private:
  WaveOpenInputs m_in;
};

// Test record files ("*.DAT"): one reading per line, incident half then transmitted half,
// stored less 512. Sets flags 0x040 and 0x004.
class RecordFileReader : public WaveReader {
 public:
  explicit RecordFileReader(std::string path) : m_path(std::move(path)) {}
  int Read(CVelkDoc& doc, Interaction& ui) override;

 private:
  std::string m_path;
};

// The readers on the record's own waveform-open inputs (paths and start points).
int ReadTektronixWaves(CVelkDoc& doc, Interaction& ui);
int ReadCs20000Waves(CVelkDoc& doc, Interaction& ui);

// Checks before a waveform open that both files can be read, in the order incident,
// transmitted. An empty path gives false silently (the operator never chose a file); a file that
// cannot be opened gives false after "Open file %1 fault!" with its path.
bool WaveFilesOpenable(const WaveOpenInputs& inputs, Interaction& ui);

}  // namespace velk
