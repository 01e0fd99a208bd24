#pragma once
// The parameter file (".PAT"): the test parameters as three lines of text, so a test can be reduced
// again with the same bar, specimen, sampling and bridge values.
//
//   line 1: 13 numbers "%f " - bar wave speed, modulus, area, conversion factor inc/tr, then per
//           channel (incident, transmitted) bridge voltage, gain, gauge factor, arms
//   line 2:  7 numbers "%f " - specimen diameter, thickness, impacted diameter, impacted length,
//           sample interval, striker velocity, strike bar velocity
//   line 3:  6 integers "%i " - the six window indices
//
// Each number is followed by one blank, the last included; lines end with LF. Every value passes
// through single precision on reading, so values read back carry single precision.
//
// A fourth line, which files of the two-bar-type program never had, carries what the three lines
// cannot: "key=value" pairs, each followed by one blank, values "%f" (tr an integer). Keys:
//   bar_nu, bar_d          incident bar's Poisson's ratio and diameter (mm)
//   tr                     1 when the transmission bar differs from the incident bar, else 0
//   tr_c, tr_e, tr_a       transmission bar's wave speed, modulus and area (only with tr=1)
//   tr_nu, tr_d            transmission bar's Poisson's ratio and diameter (only with tr=1)
//   gauge_inc, gauge_tr    distance from each bar's gauge to the specimen face (mm)
//   dispersion             1 when the pulses are corrected for dispersion (written only then)
// Readers ignore keys they do not know, so later keys can be added. The line is written only when
// the test needs it (a bar not among the built-in rows, a separate transmission bar, a gauge
// distance or the dispersion correction); a test on built-in bars writes the three lines as they
// always were. An older reader stops after line 3: it takes line 1's bar values, but then picks its
// own table row by the incident wave speed and area (aluminium and 16 mm when they match no row),
// and it uses the incident bar for the transmission bar.

#include <optional>
#include <string>
#include <string_view>

#include "record/file_io.h"
#include "record/workspace.h"

namespace velk {

// The file's text for p. Storing first sets, in p, the bar wave speed and modulus from the bar
// material index and the bar area from the bar diameter index (an index outside the tables takes
// the last row), and the sample interval from the sampling frequency (kept when the frequency is
// 0 or not finite).
std::string FormatParameterFile(TestParameters& p);

// Loads the text into p. A number that does not convert leaves that parameter and the rest of its
// line unchanged; a missing line is like an empty one. Then derives the sampling frequency from
// the sample interval (a 0 or non-finite interval keeps the previous interval and frequency), the
// bar material index (the row whose wave speed equals exactly, else the last row) and the bar
// diameter index (the row whose area truncated to an integer matches, else the last row).
void ParseParameterFile(std::string_view text, TestParameters& p);

// With the workspace's bar library. Storing takes each bar's values from its library row (keeping
// the parameters' values for an index outside the list) and adds the fourth line when it is
// needed. Loading reads the fourth line when there is one; each bar then selects the library row
// whose values the file holds (compared as the file holds them, at single precision), and when no
// row matches, a session row named sourceName carries the file's values, so the file's bar is
// used as it stands. A file without the fourth line has twin bars and no gauge distances.
std::string FormatParameterFile(Workspace& ws);
void ParseParameterFile(std::string_view text, Workspace& ws, const std::string& sourceName);
FileResult StoreParameterFile(const std::string& path, Workspace& ws);
FileResult LoadParameterFile(const std::string& path, Workspace& ws);

// FormatParameterFile written to path, replacing any earlier file only once the new one is
// complete.
FileResult StoreParameterFile(const std::string& path, TestParameters& p);
// ParseParameterFile on the file at path; p is unchanged when the file cannot be read.
FileResult LoadParameterFile(const std::string& path, TestParameters& p);

// Names derived from the opened-record path: the file name part lowered, the first ".dat" in it
// (of any case) removed, the extension appended. The directory part is kept as it is, since
// Linux file names are case-sensitive. "/t/A1.DAT" and ".PAT" give "/t/a1.PAT"; "/t/a1.isf" gives
// "/t/a1.isf.PAT".
std::string DerivedFileName(const std::string& recordPath, std::string_view extension);
std::string ParameterFileName(const std::string& recordPath);

// The parameter file beside a record file: the derived name if it exists, else a regular file in
// the same folder whose name differs from it only in the case of ASCII letters (the first in
// byte order when several do); nullopt when there is none.
std::optional<std::string> FindParameterFileBeside(const std::string& recordPath);

}  // namespace velk
