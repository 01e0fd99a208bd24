#pragma once
// Opening a test from instrument recordings: the incident channel from one file, the transmitted
// channel from the same file or another, each with its own start point. The waves are volts, so the
// record behaves as one opened from Tektronix files (same source flag, same conversion factors),
// and the file's sample interval becomes the test's.

#include <string>
#include <vector>

#include "record/reader.h"
#include "record/recording.h"

namespace velk {

class CVelkDoc;

// One channel of one file, as the operator picked it.
struct RecordingPick {
  std::string path;
  RecordingFormat format = RecordingFormat::kAuto;
  std::string channel;         // a channel name, or its number from 1; empty for the first channel
  int start = 0;               // samples dropped at the start
  DelimitedOverride layout{};  // the operator's corrections, for a file read as delimited text
};

// The channel named, else numbered (from 1), by nameOrNumber; the first when it is empty. -1 when
// the recording has no such channel.
int FindRecordingChannel(const Recording& recording, const std::string& nameOrNumber);

// Why two channels cannot make one test, or ok: sample intervals (both known) that differ by more
// than 1 part in 10^6. The message names both files.
RecordingResult CheckChannelPair(const RecordingChannel& incident, const std::string& incidentPath,
                                 const RecordingChannel& transmitted,
                                 const std::string& transmittedPath);

// The sample interval of a test from two channels CheckChannelPair accepted: the incident's, else
// the transmitted's; 0 when neither file gives one.
double PairInterval(const RecordingChannel& incident, const RecordingChannel& transmitted);

// Makes a file's sample interval (seconds, > 0) the test's: the parameters and the setup field.
// The setup dialog shows it, and a value the operator types there later wins as always.
void ApplyFileInterval(CVelkDoc& doc, double intervalS);

// Reads both picks (a file given twice is read once), checks them and installs the two channels
// as the raw waves with kTektronixSource. When the files give the sample interval, the test's
// sample interval and sampling frequency (parameters and setup fields) follow it. Notes of the
// readers (a first record or segment read of several) are shown after a successful open.
class RecordingPairReader : public WaveReader {
 public:
  RecordingPairReader(RecordingPick incident, RecordingPick transmitted)
      : m_inc(std::move(incident)), m_tr(std::move(transmitted)) {}
  int Read(CVelkDoc& doc, Interaction& ui) override;

 private:
  RecordingPick m_inc, m_tr;
};

}  // namespace velk
