#pragma once
// Opening a test from instrument recordings: one file holding both channels or two files, the
// incident and transmitted channel picked from them, a start point for each. The operator fills
// RecordingOpenFields in the dialog "打开记录文件" (through Interaction); PrepareRecordingWaves
// then checks the choice and cuts the two waves, and InstallRecordingWaves puts them in a new
// test record. Nothing here touches a test record before everything has been checked.

#include <string>
#include <vector>

#include "record/recording.h"

namespace velk {

class CVelkDoc;
class Interaction;

// A channel of one of the chosen files.
struct ChannelPick {
  int file = 0;     // index in RecordingOpenFields::paths
  int channel = 0;  // index in that file's channels
};

struct RecordingOpenFields {
  // One or two files. Drag and drop fills them before the dialog runs.
  std::vector<std::string> paths;
  // Per file: the format the operator chose, kAuto to take the one detected from the content.
  std::vector<RecordingFormat> formats;
  // Per file: the operator's corrections of a delimited text's layout; missing or unset fields
  // are detected.
  std::vector<DelimitedOverride> layouts;
  // Per file, as read for the dialog (the command reads again what is missing or failed).
  std::vector<RecordingResult> read;
  ChannelPick incident{0, 0};
  ChannelPick transmitted{0, 1};
  int incidentStart = 0;  // samples dropped at the start of each channel
  int transmittedStart = 0;
};

// Reads file k of fields with its chosen format and layout into fields.read[k] unless it is there
// already (read with that format). Returns the result.
const RecordingResult& ReadChosenFile(RecordingOpenFields& fields, std::size_t k);

// The two waves as they will be installed, in volts, cut to the same length.
struct PreparedWaves {
  std::vector<double> incident, transmitted;
  double sampleIntervalS = 0;  // 0 when no file gave one
  std::string sourcePath;      // the transmitted channel's file, named when there is no data
  std::vector<Recording::Note> notes;  // shown once the test is open
};

// Reads what is missing and checks the choice: both channels exist, the start points lie within
// them, the sample intervals agree within one part in a million. False after a message to the
// operator (nothing is changed anywhere); true with the waves in out.
bool PrepareRecordingWaves(RecordingOpenFields& fields, Interaction& ui, PreparedWaves& out);

// Installs prepared waves in a fresh test record as volts (flag 0x080, like Tektronix files, so
// the conversion factors apply the same way) and, when the file gave it, the sampling frequency
// and interval, then shows the readers' notes. kReadOk or kReadFailed after a message.
int InstallRecordingWaves(CVelkDoc& doc, Interaction& ui, PreparedWaves waves);

// The format of a file from its first bytes, as ReadRecording detects it; kAuto when none fits or
// the file cannot be read.
RecordingFormat DetectFileFormat(const std::string& path);

// True when the file's content is one of the instrument layouts only the recording open reads
// (ISF, Tektronix CSV, TRC, delimited text), not a Tektronix text, CS20000 or record file.
bool IsInstrumentRecording(const std::string& path);

// Text of a sample interval for the operator: "200 ns", "1.6 us", "—" when unknown.
std::string IntervalText(double seconds);

}  // namespace velk
