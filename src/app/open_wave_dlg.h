#pragma once
// "打开波形文件": asks for the incident-wave file, the transmitted-wave file and the number of
// samples to drop at the start of each. The paths are the program-wide waveform-open inputs, so
// OK without browsing opens the files chosen the time before; the boxes start empty every time.

#include <QDialog>

#include "record/interaction.h"
#include "record/workspace.h"

class QLineEdit;
class QToolButton;

namespace velk {

// Reads a start-point edit: a whole number not below zero. Otherwise tells the operator why,
// selects the edit's text for correction and returns false.
bool ReadStartPoint(QLineEdit* edit, Interaction& ui, int& value);

class COpenWaveDlg : public QDialog {
  Q_OBJECT
 public:
  COpenWaveDlg(WaveOpenInputs& inputs, Interaction& ui, QWidget* parent = nullptr);

  // "open TEKTRONIX files" or "open CS20000"; replaces the dialog's own title.
  void SetCaption(const QString& caption);
  // The start points the operator accepted (samples, never negative).
  int incidentStart() const { return m_incidentStart; }
  int transmittedStart() const { return m_transmittedStart; }

  void accept() override;

 private:
  void BrowseIncident();
  void BrowseTransmitted();
  void Browse(std::string& path, QLineEdit* box);
  // Reads one start point; false (with the operator told why) when the text is no count.

  WaveOpenInputs& m_inputs;
  Interaction& m_ui;
  QLineEdit* m_incidentPath;         // 1046
  QLineEdit* m_transmittedPath;      // 1047
  QLineEdit* m_incidentEdit;         // 1049
  QLineEdit* m_transmittedEdit;      // 1052
  QToolButton* m_browseIncident;     // 1054
  QToolButton* m_browseTransmitted;  // 1055
  int m_incidentStart = 0;
  int m_transmittedStart = 0;
};

}  // namespace velk
