#pragma once
// The commands that change a record's curves, as the desktop program and velk-reduce run them:
// each runs the command and writes it, with the operator's answers, into the record's journal,
// from which a session file replays the same curves.

#include <cstdint>
#include <string>

#include "record/interaction.h"
#include "record/recording_install.h"
#include "record/recording_open.h"
#include "record/session_journal.h"
#include "record/velk_doc.h"

namespace velk {

// Command 32807 "计算" (OnCalculate).
int JournaledCalculate(CVelkDoc& doc, Interaction& ia);
// Command 32806 "重新计算" (OnRecalculate).
bool JournaledRecalculate(CVelkDoc& doc, Interaction& ia);
// The "光滑" button (ApplySmoothing).
bool JournaledSmoothing(CVelkDoc& doc, int p, int L, Interaction& ia);
// Commands 32821 and 32824 (OnCutCurve, OnStraightenCurve).
void JournaledCut(CVelkDoc& doc, Interaction& ia);
void JournaledStraighten(CVelkDoc& doc, Interaction& ia);

// After a test was read: the journal starts again from these files.
void NoteOpened(CVelkDoc& doc, SessionInput input);
SessionInput WaveFilesInput(const WaveOpenInputs& in, bool tektronix);
SessionInput RecordFileInput(const std::string& path);
SessionInput RecordingInput(const RecordingOpenFields& fields);
SessionInput RecordingPairInput(const RecordingPick& incident, const RecordingPick& transmitted);

SessionSettings CaptureSettings(const CVelkDoc& doc);
// Puts the settings into the record and the workspace. A bar row not in the workspace's library
// with the same values joins it as a session row, and the indices name it.
void ApplySettings(CVelkDoc& doc, const SessionSettings& s);
bool SameSettings(const SessionSettings& a, const SessionSettings& b);

// Digest of the raw waves, and of everything the commands compute: working and smoothed waves,
// the windows, the result curves.
std::uint64_t RawDigest(const CVelkDoc& doc);
std::uint64_t CurveDigest(const CVelkDoc& doc);

}  // namespace velk
