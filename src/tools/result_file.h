#pragma once
// Result files: the smoothed result curves as plain-text columns, one line per result point.
//   kind 2 ".DT2": engineering strain, engineering stress
//   kind 3 ".DT3": engineering strain, engineering stress, engineering strain rate (1/s)
//   kind 4 ".DT4": true strain, true stress, true strain rate
// Values "%.5f" (stress in MPa, strain dimensionless), one blank between them, LF line ends, no
// header. Rows 0 to the last result index, from the smoothed curves, never the computed ones.

#include <string>

#include "record/file_io.h"

namespace velk {

class CVelkDoc;

// ".DT2", ".DT3" or ".DT4"; any other kind gives ".DT4", the layout's fallback everywhere.
std::string ResultExtension(int kind);

// The result file name of a test opened from a record file: the record path with its file name
// lowered, the first ".dat" removed and the kind's extension appended ("/t/A12.DAT", 3 gives
// "/t/a12.DT3").
std::string ResultFileName(const std::string& recordPath, int kind);

// The file's bytes. Empty for a negative last result index or a kind other than 2, 3, 4. Rows
// stop early rather than read past a curve shorter than the last result index says. Values of
// any size are written in full (a value near 1e300 takes some 300 digits).
std::string FormatResultRows(const CVelkDoc& doc, int kind);

// Writes FormatResultRows to path through a temporary file renamed into place; an earlier file
// survives a failed save.
FileResult WriteResultFile(const std::string& path, const CVelkDoc& doc, int kind);

}  // namespace velk
