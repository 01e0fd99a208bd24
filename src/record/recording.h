#pragma once
// A recording as an instrument file holds it: one or more channels of samples in volts on a
// uniform time base. The instrument readers (ISF, Tektronix CSV, LeCroy TRC, delimited text) each
// turn one file into a Recording; the open commands then pick the incident and transmitted
// channels from one or two recordings and install them in the test record.
//
// Nothing here touches a test record or the operator: a reader returns a result the caller must
// look at, with the message the operator will see (the program's own source text, "%1", "%2"...
// replaced by args after translation).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velk {

enum class RecordingFormat {
  kAuto,           // detect from the content
  kTektronixText,  // record length, three header numbers, samples
  kCs20000,        // recorder integers to the end of the file
  kRecordFile,     // test record file, "*.DAT"
  kIsf,            // Tektronix binary ISF
  kTekCsv,         // Tektronix CSV, every layout
  kTrc,            // LeCroy binary TRC
  kDelimited,      // comma, semicolon or tab separated text from other scopes and loggers
};

struct RecordingChannel {
  std::string name;            // as the file names it ("CH1", "Channel A"), or "1", "2"...
  std::string unit;            // unit of the values after scaling: "V" when the file gave volts
  std::vector<double> values;  // volts where the file gave volts or millivolts
  double sampleIntervalS = 0;  // seconds; 0 when the file does not say
};

// What the delimited-text reader detected, shown so the operator can correct it.
struct DelimitedLayout {
  char delimiter = ',';
  char decimalMark = '.';
  int headerRows = 0;   // rows skipped before the first data row
  int timeColumn = -1;  // column of the time or sample index, -1 when there is none
  bool timeIsIndex = false;
  double timeUnitS = 1;  // seconds per time-column unit
  // Volts per unit of every channel column (1e-3 for mV); 0 when the columns differ or one is
  // not in volts.
  double voltsPerUnit = 1;
};

// The operator's corrections to what the delimited-text reader detects; what is left unset is
// detected as before. The other readers ignore it.
struct DelimitedOverride {
  enum class Time {
    kDetected,
    kSeconds,
    kMilliseconds,
    kMicroseconds,
    kNanoseconds,
    kIndex,
    kNone
  };
  enum class Volts { kDetected, kVolts, kMillivolts };
  std::optional<char> delimiter;    // ',', ';' or '\t'
  std::optional<char> decimalMark;  // '.' or ','
  std::optional<int> headerRows;    // lines before the first data row, blank ones included
  Time time = Time::kDetected;      // the first column: a time in a unit, a sample index, or none
  Volts volts = Volts::kDetected;   // the unit of every channel column
  bool operator==(const DelimitedOverride&) const = default;
};

struct Recording {
  RecordingFormat format = RecordingFormat::kAuto;
  std::vector<RecordingChannel> channels;
  // Things the operator should know that are not failures, as source texts with their args:
  // "the file holds 2 records; the first is read".
  struct Note {
    std::string text;
    std::vector<std::string> args;
  };
  std::vector<Note> notes;
  DelimitedLayout layout;  // kDelimited and kTekCsv only
};

struct RecordingResult {
  bool ok = false;
  std::string message{};  // source text when !ok
  std::vector<std::string> args{};
  Recording recording{};
};

// The short name of a format as velk-reduce spells it: "auto", "tek", "cs", "record", "isf",
// "tek-csv", "trc", "csv".
const char* RecordingFormatName(RecordingFormat format);
// The format of a file from its first bytes (never from its name); kAuto when none fits.
RecordingFormat DetectRecordingFormat(std::string_view head);

// Reads one instrument file whole. kAuto detects the format from the content; a file read as
// delimited text takes the layout's set fields instead of detecting them. On failure nothing is
// kept and the result says why.
RecordingResult ReadRecording(const std::string& path,
                              RecordingFormat format = RecordingFormat::kAuto,
                              const DelimitedOverride& layout = {});

}  // namespace velk
