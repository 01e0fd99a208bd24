#pragma once
// The operator interaction of the desktop program: message boxes titled "Velk" with one OK
// button, the file prompts, the point pick on the record's plot view and the coordinate pane.
// The modal sheets, the recapitulation and the method dialog are provided by the dialogs through
// the runners below; until one is installed its prompt answers "cancel".

#include <QString>
#include <functional>
#include <memory>

#include "record/interaction.h"

class QProgressDialog;
class QWidget;

namespace velk {

class CVelkApp;

using SheetRunner = std::function<bool(QWidget* parent, Sheet& sheet)>;
using RecapRunner = std::function<bool(QWidget* parent, RecapFields& fields)>;
using MethodRunner = std::function<int(QWidget* parent)>;

// Installs the code that runs each modal dialog; an empty function removes it.
void SetSheetRunner(SheetRunner runner);
void SetRecapRunner(RecapRunner runner);
void SetMethodRunner(MethodRunner runner);

// The Qt name filters for a prompt: "description" when it names its pattern, otherwise
// "description (pattern)". "*.*" matches every file, as the operator expects of "所有文件".
QStringList QtNameFilters(const std::vector<FileFilter>& filters);

class QtInteraction : public Interaction {
 public:
  explicit QtInteraction(CVelkApp& app);
  ~QtInteraction() override;

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
  void SetCoordinateText(const std::string& text) override;
  bool RunUncertainty(UncertaintySheet& sheet) override;
  // A window-modal QProgressDialog that appears when the work lasts longer than half a second.
  bool ShowProgress(const std::string& text, double fraction) override;

 private:
  QWidget* Parent() const;
  CVelkApp& m_app;
  std::unique_ptr<QProgressDialog> m_progress;
};

// Translates a source text of the program (context "velk") and fills in %1, %2 ...
QString TranslateMessage(const std::string& text, const std::vector<std::string>& args);

}  // namespace velk
