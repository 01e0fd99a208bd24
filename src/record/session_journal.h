#pragma once
// What a test record remembers of how it came to be: the files its waves were read from and every
// command that changed its curves, with the operator's answers and the settings in force, so that
// a session file can rebuild the same curves from the raw files. Plain data, copied with the
// record's other members.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "record/bar_library.h"
#include "record/recording.h"
#include "record/setup_fields.h"
#include "record/workspace.h"

namespace velk {

// kRecording: the dialog "打开记录文件" (channels by index); kRecordingPair: velk-reduce's --inc
// and --tr (channels by name or number as given).
enum class SessionSource { kNone, kTektronix, kCs20000, kRecordFile, kRecording, kRecordingPair };

struct SessionInput {
  SessionSource source = SessionSource::kNone;
  std::vector<std::string> paths;     // absolute in memory, relative to the session in its file
  std::vector<std::string> formats;   // recordings: each file's chosen format, by its option name
  std::vector<std::string> channels;  // recording pair: incident and transmitted channel
  int incidentFile = 0, incidentChannel = 0;
  int transmittedFile = 0, transmittedChannel = 1;
  int incidentStart = 0, transmittedStart = 0;
  // Recordings: the operator's corrections of each file's delimited-text layout (none made: all
  // fields unset).
  std::vector<DelimitedOverride> layouts;
  std::uint64_t check = 0;  // digest of the raw waves as read, to notice a changed input file
  bool operator==(const SessionInput&) const = default;
};

// Everything an operator sets that a command reads: the test parameters, the setup dialog, the
// record's result limit, baseline ranges and windows, the conversion flags, and the bar rows the
// indices name, kept by value because another computer's library may order them differently.
struct SessionSettings {
  TestParameters params;
  SetupFields setup;
  int resultLimit = 2000;
  int incBaseStart = 0, incBaseEnd = 199, trBaseStart = 0, trBaseEnd = 199;
  std::array<int, 6> windows{};
  std::uint32_t flags = 0;  // only kSessionFlags
  // Incident then transmission bar; a row is absent when its index names no row.
  std::array<std::optional<BarMaterialRow>, 2> materials;
  std::array<std::optional<BarDiameterRow>, 2> diameters;
  bool operator==(const SessionSettings&) const = default;
};

inline constexpr std::uint32_t kSessionFlags =
    kParamFileFound | kHandPickedParams | kBridgeParams | kCalibration;

enum class SessionCommand { kCalculate, kRecalculate, kSmooth, kCut, kStraighten };

struct SessionStep {
  SessionCommand command = SessionCommand::kCalculate;
  std::optional<SessionSettings> settings;  // applied before the command when they changed
  // What the plot view showed, which decides what smoothing and calculating work on.
  bool hasView = false;
  int curveKind = 0, viewShowsSmoothed = 0, viewShowsUnsmoothed = 0;
  bool chooserShowsSmoothed = false;
  // Calculate: the method dialog's answer; each point pick (nullopt: cancelled); the typed
  // windows (nullopt: sheet cancelled) and the baseline page when it was opened.
  int method = 0;
  std::vector<std::optional<int>> picks;  // also the one pick of cut and straighten
  std::optional<std::array<int, 6>> windows;
  std::optional<std::array<int, 4>> baselines;
  int points = 0, total = 0;  // smoothing
  std::uint64_t check = 0;    // digest of the record's curves after the command
  bool operator==(const SessionStep&) const = default;
};

struct SessionJournal {
  SessionInput input;
  std::vector<SessionStep> steps;
  // The settings as the last step left them: a step records its settings only when they differ.
  std::optional<SessionSettings> settingsAfterLastStep;
  bool operator==(const SessionJournal&) const = default;
};

}  // namespace velk
