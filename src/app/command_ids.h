#pragma once
// Command identifiers, by the numbers the menus, toolbar and accelerators have always used.
// The routing table (command_table.cpp) maps each to its handler and update rule.

namespace velk::cmd {

inline constexpr int kNew = 57600;
inline constexpr int kOpenRecord = 57601;
inline constexpr int kClose = 57602;
inline constexpr int kSave = 57603;
inline constexpr int kSaveAs = 57604;
inline constexpr int kPrintSetup = 57606;
inline constexpr int kPrint = 57607;
inline constexpr int kPrintDirect = 57608;
inline constexpr int kPrintPreview = 57609;
inline constexpr int kRecentFirst = 57616;  // 57616..57619
inline constexpr int kRecentLast = 57619;
inline constexpr int kCopy = 57634;
inline constexpr int kCut = 57635;
inline constexpr int kPaste = 57637;
inline constexpr int kUndo = 57643;
inline constexpr int kRedo = 57644;
inline constexpr int kArrangeIcons = 57649;
inline constexpr int kCascade = 57650;
inline constexpr int kTile = 57651;
inline constexpr int kAbout = 57664;
inline constexpr int kExit = 57665;
inline constexpr int kNextPane = 57680;
inline constexpr int kPrevPane = 57681;
inline constexpr int kViewToolbar = 59392;
inline constexpr int kViewStatusBar = 59393;

inline constexpr int kBaselineMode = 32786;
inline constexpr int kResultSettings = 32787;
inline constexpr int kGraphSettings = 32788;
inline constexpr int kShowSetupDialog = 32801;
inline constexpr int kCheckCurve = 32804;
inline constexpr int kBridgeParameters = 32805;
inline constexpr int kRecompute = 32806;
inline constexpr int kCalculate = 32807;
inline constexpr int kShowCurveChooser = 32809;
inline constexpr int kSmooth = 32815;
inline constexpr int kOpenTektronix = 32818;
inline constexpr int kOpenParameterFile = 32819;
inline constexpr int kSaveParameterFile = 32820;
inline constexpr int kCutCurve = 32821;
inline constexpr int kAverageStrainRate = 32822;
inline constexpr int kRecapitulation = 32823;
inline constexpr int kStraightenCurve = 32824;
inline constexpr int kStaticCalibration = 32825;
inline constexpr int kOpenCs20000 = 32826;
inline constexpr int kCs20000Calibration = 32827;
inline constexpr int kSaveEngineering = 32828;
inline constexpr int kSaveTrue = 32829;
// Added for the export of the plot as PNG, SVG or PDF; no historical number exists for it.
inline constexpr int kExportPlot = 32840;
// Added for opening instrument recordings (ISF, Tektronix CSV, LeCroy TRC, delimited text).
inline constexpr int kOpenRecordingFile = 32841;
// The bar-library dialog; added with the bar library, no historical number.
inline constexpr int kBarLibrary = 32842;
// Added for the spreadsheet export of the results.
inline constexpr int kExportWorkbook = 32843;
inline constexpr int kExportCsv = 32844;
// The comparison of repeat tests; added with it, no historical number.
inline constexpr int kCompare = 32850;
// The uncertainty dialog; added with the Monte Carlo uncertainty, no historical number.
inline constexpr int kUncertainty = 32852;
// Session files (.velks): a test replayed from its raw files and every step.
inline constexpr int kSaveSession = 32845;
inline constexpr int kOpenSession = 32846;
inline constexpr int kUnused1 = 32834;  // toolbar buttons with no handler: always disabled
inline constexpr int kUnused2 = 32835;
inline constexpr int kUnused3 = 32836;

}  // namespace velk::cmd
