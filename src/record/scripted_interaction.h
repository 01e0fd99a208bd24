#pragma once
// An Interaction that answers from a script: for tests and for the batch command. Every prompt
// takes the next queued answer; a prompt with nothing queued is answered "cancel", so a flow
// that asks more than the script expected stops instead of inventing an answer.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "record/interaction.h"

namespace velk {

class ScriptedInteraction : public Interaction {
 public:
  // What the operator saw, in order: message texts after %1.. substitution, prompt titles.
  std::vector<std::string> messages;
  std::vector<std::string> prompts;
  std::string coordinateText;

  std::deque<std::optional<std::string>> openAnswers;
  std::deque<std::optional<std::string>> saveAnswers;
  // Each sheet answer edits the sheet and returns OK (true) or Cancel (false).
  std::deque<std::function<bool(Sheet&)>> sheetAnswers;
  std::deque<std::function<bool(RecapFields&)>> recapAnswers;
  std::deque<int> methodAnswers;
  // Each answer to "打开记录文件" fills the fields and returns OK (true) or Cancel (false).
  std::deque<std::function<bool(RecordingOpenFields&)>> recordingAnswers;
  // Each pick is an index to accept, or nullopt to cancel.
  std::deque<std::optional<int>> pickAnswers;
  // Each answer to "不确定度..." edits the sheet (and may run it) and returns OK or Cancel.
  std::deque<std::function<bool(UncertaintySheet&)>> uncertaintyAnswers;
  // Fractions reported by long work; cancelProgressAt cancels when one reaches it.
  std::vector<double> progress;
  double cancelProgressAt = 2.0;

  void ShowMessage(const std::string& text, const std::vector<std::string>& args = {}) override;
  std::optional<std::string> AskOpenPath(const std::string& title,
                                         const std::vector<FileFilter>& filters,
                                         const std::string& startPath) override;
  std::optional<std::string> AskSavePath(const std::string& title,
                                         const std::vector<FileFilter>& filters,
                                         const std::string& defaultExtension,
                                         const std::string& proposedName) override;
  bool RunSheet(Sheet& sheet) override;
  bool RunRecap(RecapFields& fields) override;
  int ChooseWindowMethod() override;
  bool RunRecordingOpen(RecordingOpenFields& fields) override;
  int PickPoint(CVelkDoc& doc) override;
  void SetCoordinateText(const std::string& text) override { coordinateText = text; }
  bool RunUncertainty(UncertaintySheet& sheet) override;
  bool ShowProgress(const std::string& text, double fraction) override;
};

// Replaces %1, %2, ... in text by args (Qt's QString::arg convention, which the GUI uses too).
std::string FormatArgs(const std::string& text, const std::vector<std::string>& args);

}  // namespace velk
