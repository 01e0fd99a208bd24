#pragma once
// "打开记录文件": one recording that holds both channels, or two recordings; the format each was
// detected as, with a choice to override it; every channel the files hold with its point count,
// sample interval and unit (and for delimited text what the reader made of the layout); and the
// incident and transmitted channel with their start points. The files are read as soon as they
// are chosen, so the operator sees what will be opened before pressing 确认.

#include <QDialog>

#include "record/interaction.h"
#include "record/recording_open.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;
class QTreeWidget;

namespace velk {

class CRecordingOpenDlg : public QDialog {
  Q_OBJECT
 public:
  // fields.paths may hold one or two files already (dropped on the window).
  CRecordingOpenDlg(RecordingOpenFields& fields, Interaction& ui, QWidget* parent = nullptr);

  void accept() override;

 private:
  struct FileRow {
    QLineEdit* path = nullptr;
    QToolButton* browse = nullptr;
    QComboBox* format = nullptr;
  };
  bool TwoFiles() const;
  void Browse(int k);
  void FormatChanged(int k);
  void ModeChanged();
  // Reads file k with the format of its combo and refreshes everything shown.
  void ReadFile(int k);
  void Refresh();
  void FillChannelCombos();
  static bool Pick(const QComboBox* combo, ChannelPick& pick);

  RecordingOpenFields& m_fields;
  Interaction& m_ui;
  QButtonGroup* m_mode = nullptr;
  FileRow m_rows[2];
  QTreeWidget* m_channels = nullptr;
  QLabel* m_layout = nullptr;
  QComboBox* m_incident = nullptr;
  QComboBox* m_transmitted = nullptr;
  QLineEdit* m_incidentStart = nullptr;
  QLineEdit* m_transmittedStart = nullptr;
};

// Runs the dialog on fields; true on 确认.
bool RunRecordingOpenDialog(QWidget* parent, RecordingOpenFields& fields, Interaction& ui);

}  // namespace velk
