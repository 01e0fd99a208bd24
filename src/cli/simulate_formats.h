#pragma once
// The instrument file layouts of today's oscilloscopes, written from the simulated channels so
// that a test with a known answer can be read through every reader: Tektronix ISF (1- and 2-byte,
// either byte order), the three Tektronix CSV layouts, LeCroy TRC and delimited text with a
// decimal comma and millivolts.
//
// Each writer stores what its instrument would: a vertical scale chosen from the 1-2-5 volts per
// division the channel needs, the samples rounded to the instrument's levels of that scale (the
// binary files hold integers with the scaling in the header), and a time axis that starts before
// the trigger at the incident arrival.

#include <span>
#include <string>
#include <vector>

#include "cli/simulate_output.h"

namespace velk::sim {

enum class RecordingLayout {
  kIsf1,          // ISF, 1 byte a sample
  kIsf2,          // ISF, 2 bytes a sample, most significant first
  kIsf2Lsb,       // ISF, 2 bytes a sample, least significant first
  kTekCsvLegacy,  // TDS2000: header pairs in columns 1-2, time and value in columns 4-5
  kTekCsvPerf,    // performance scopes: "Record Length",N,"Points",t,v
  kTekCsv,        // newer scopes: a multi-line header ending in TIME,CH1,CH2
  kTrc,           // LeCroy WAVEDESC LECROY_2_3, 16-bit words, least significant byte first
  kCsvCommaMv,    // semicolons, decimal comma, time in ms, channels in mV
};

struct RecordingLayoutName {
  const char* name;  // as --format spells it
  RecordingLayout layout;
  int filesPerTest;  // 1: both channels in one file; 2: one file per channel
};

std::span<const RecordingLayoutName> RecordingLayouts();
// The layout of a --format name, or null.
const RecordingLayoutName* FindRecordingLayout(const std::string& name);

// Writes the two channels (volts) in the layout: paths holds filesPerTest names, incident first.
// triggerSample is the sample at time 0. Returns an empty text on success, else why not.
std::string WriteRecording(RecordingLayout layout, const std::vector<std::string>& paths,
                           const RecordedChannels& channels, double sampleIntervalUs,
                           int triggerSample);

// Tektronix engineering notation as the ISF preamble spells numbers: "400.0000E-9", "0.0E+0".
std::string TekEngineering(double v);

}  // namespace velk::sim
