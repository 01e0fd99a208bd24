#pragma once
// The file operations the desktop commands use, in one place: the three readers, the parameter
// file and the result files. Each shows its own failure message through the interaction and
// returns whether it succeeded.

#include <optional>
#include <string>

#include "record/interaction.h"
#include "record/velk_doc.h"

namespace velk {

enum class WaveSource { Tektronix, Cs20000 };

// Reads the two waveform files named by the waveform-open inputs into a fresh record.
bool ReadWaveFiles(WaveSource source, CVelkDoc& doc, Interaction& ui);
// Reads a test record file into a fresh record.
bool ReadRecordFile(const std::string& path, CVelkDoc& doc, Interaction& ui);

// Loads a parameter file into the test parameters.
bool LoadParameters(const std::string& path, Workspace& ws, Interaction& ui);
// Writes the test parameters as a parameter file.
bool StoreParameters(const std::string& path, Workspace& ws, Interaction& ui);
// The parameter file name of a record path, without the ".PAT" the program appends.
std::string ParameterFileStem(const std::string& recordPath);
// The parameter file that lies beside the record file, if one exists.
std::optional<std::string> FindParameterFileBeside(const std::string& recordPath);

// The result file name of a record path for result kind 2, 3 or 4.
std::string ResultFileName(const std::string& recordPath, int kind);
// Writes the smoothed curves of doc as a result file of the given kind.
bool WriteResultFile(const std::string& path, const CVelkDoc& doc, int kind, Interaction& ui);

}  // namespace velk
