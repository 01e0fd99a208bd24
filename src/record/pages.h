#pragma once
// The data of each property page, sheet and modal dialog, as plain structs. Commands fill them,
// hand them to the Interaction for the operator to edit, and read them back on OK. The Qt
// dialogs exchange exactly these fields with their controls; a scripted Interaction edits them
// directly in tests and in the batch command.

#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace velk {

// "三波起终点" (resource 139): wave windows.
struct WavePosPage {
  int incEnd = 0, incStart = 0;  // 1016, 1015
  int refEnd = 0, refStart = 0;  // 1003, 1002
  int trEnd = 0, trStart = 0;    // 1018, 1017
};

// "calibrate" (resource 137): baseline ranges and their means (read-only).
struct CalibrationPage {
  int incBaseEnd = 0, incBaseStart = 0;  // 1016, 1015
  int trBaseEnd = 0, trBaseStart = 0;    // 1018, 1017
  double incMean = 0, trMean = 0;        // 1019, 1020, read-only
};

// "桥、应变仪、应变片参数" (resource 142): one channel's bridge chain.
struct ParameterPage {
  double factor = 0;         // 1004, read-only, microstrain per volt
  double arms = 0;           // 1000
  double gaugeFactor = 0;    // 1003
  double bridgeVoltage = 0;  // 1001
  double gain = 0;           // 1002
};

// Static calibration of one channel (resource 158 "南京参数" pages, 160 CS20000 pages).
struct StaticCalPage {
  double bridgeVoltage = 0;  // 1070
  double factor = 0;         // 1004, read-only
  double height = 0;         // 1000
  double staticStrain = 0;   // 1002
  double gaugeFactor = 0;    // 1003
};
struct NjParameterPage : StaticCalPage {};
struct CsParameterPage : StaticCalPage {};

// "coordinate" (resource 140): one plot's axes.
struct ScalePage {
  double xEnd = 0, xStart = 0, xStep = 0;  // 1022, 1021, 1023 (read-only)
  double yEnd = 0, yStart = 0, yStep = 0;  // 1025, 1024, 1026 (read-only)
};

using PageData = std::variant<WavePosPage, CalibrationPage, ParameterPage, NjParameterPage,
                              CsParameterPage, ScalePage>;

struct SheetPage {
  std::string title;  // tab title, the program's own text
  PageData data;
  // Set by the interaction when the operator opened this tab: a page never opened is not read
  // back, so its channel keeps its previous values.
  bool opened = false;
};

struct Sheet {
  std::string caption;
  std::vector<SheetPage> pages;
};

// "recapitulation" (resource 155): every test parameter on one screen.
// One summary value of the recapitulation. Label and value are source texts, translated where
// they are shown; the numbers sit in the arguments (%1, %2 ...) so that a text holding a number,
// like the flow stress at a given strain, is still one text to translate.
struct RecapRow {
  std::string label;
  std::vector<std::string> labelArgs;
  std::string value;
  std::vector<std::string> valueArgs;
};

struct RecapFields {
  float impactedDiameterMm = 0;    // 2008
  float specimenDiameterMm = 0;    // 1065
  float impactedLengthMm = 0;      // 2009
  float specimenThicknessMm = 0;   // 1066
  float strikerVelocityMs = 0;     // 1068 "time(ms):"
  float strikeBarLengthMm = 0;     // 1069
  double barAreaMm2 = 0;           // 1064
  float barWaveSpeedMs = 0;        // 1062
  float barModulusMpa = 0;         // 1063
  double incFactor = 0;            // 1059
  double trFactor = 0;             // 1054
  double incArms = 0;              // 1053
  double trArms = 0;               // 1058
  double incGaugeFactor = 0;       // 1061
  double trGaugeFactor = 0;        // 1057
  double incBridgeVoltage = 0;     // 1060
  double trBridgeVoltage = 0;      // 1055
  double incGain = 0;              // 1051
  double trGain = 0;               // 1056
  double strikeBarVelocityMs = 0;  // 1067
  // The summary values of the computed results; shown read-only under the fields, and not at all
  // before a computation.
  std::vector<RecapRow> summary;
};

}  // namespace velk
