#pragma once
// Everything a command needs from the operator goes through this one interface: message boxes,
// file prompts, modal sheets and dialogs, and the point pick on the plot view. The desktop
// program implements it on Qt; tests and velk-reduce use ScriptedInteraction.

#include <optional>
#include <string>
#include <vector>

#include "record/pages.h"
#include "record/recording_open.h"

namespace velk {

class CVelkDoc;
struct UncertaintySheet;

struct FileFilter {
  std::string description;  // e.g. "Velk file (*.isf)"
  std::string pattern;      // e.g. "*.isf"
};

// Results of operations the operator can cancel.
inline constexpr int kDone = 1;
inline constexpr int kCancelled = 2;

class Interaction {
 public:
  virtual ~Interaction() = default;

  // A message box with one OK button, titled "Velk". The text is the program's own source text;
  // "%1", "%2"... are replaced by args after translation.
  virtual void ShowMessage(const std::string& text, const std::vector<std::string>& args = {}) = 0;

  // Open prompt for an existing file; nullopt when cancelled.
  virtual std::optional<std::string> AskOpenPath(const std::string& title,
                                                 const std::vector<FileFilter>& filters,
                                                 const std::string& startPath) = 0;
  // Save prompt; a name typed without an extension receives defaultExtension (".pat", ".DT3").
  virtual std::optional<std::string> AskSavePath(const std::string& title,
                                                 const std::vector<FileFilter>& filters,
                                                 const std::string& defaultExtension,
                                                 const std::string& proposedName) = 0;

  // A modal property sheet; true on OK. Sets SheetPage::opened for each tab the operator saw.
  virtual bool RunSheet(Sheet& sheet) = 0;
  // The recapitulation dialog; true on OK.
  virtual bool RunRecap(RecapFields& fields) = 0;
  // The method dialog "数据计算": 4, 5 or 6 for its three buttons, 2 when closed otherwise.
  virtual int ChooseWindowMethod() = 0;

  // The dialog "打开记录文件": the operator chooses one recording holding both channels or two
  // (fields.paths may come filled, from files dropped on the window), their format, the incident
  // and transmitted channel and the start points. True on OK with fields filled.
  virtual bool RunRecordingOpen(RecordingOpenFields& fields) = 0;

  // Keyboard point pick on the record's plot view. kDone: the record's picked point index and
  // value hold the accepted point. kCancelled: nothing was stored (also when the pick ended
  // because the view lost the mouse or closed).
  virtual int PickPoint(CVelkDoc& doc) = 0;

  // Text of the status bar's coordinate pane; an empty text restores "coordinate".
  virtual void SetCoordinateText(const std::string& text) = 0;

  // The dialog "不确定度..." (analysis/result_uncertainty.h): the operator edits the inputs and
  // runs the Monte Carlo from it, as often as wanted. True when closed with OK.
  virtual bool RunUncertainty(UncertaintySheet& sheet) {
    (void)sheet;
    return false;
  }
  // Progress of long work: fraction done from 0 to 1, where 1 ends it. Shown only when the work
  // lasts longer than half a second. False when the operator cancelled.
  virtual bool ShowProgress(const std::string& text, double fraction) {
    (void)text;
    (void)fraction;
    return true;
  }
};

}  // namespace velk
