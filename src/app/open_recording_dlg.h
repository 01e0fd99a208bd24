#pragma once
// "打开记录文件": one recording that holds both channels, or two recordings; the format each was
// detected as, with a choice to override it; every channel the files hold with its point count,
// sample interval and unit (and for delimited text what the reader made of the layout, with
// controls to correct it); and the incident and transmitted channel with their start points. The
// files are read as soon as they are chosen, so the operator sees what will be opened before
// pressing 确认.

#include <QDialog>

#include "record/interaction.h"
#include "record/recording_open.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSpinBox;
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
  // The layout of a delimited text file, as read and as the operator corrects it.
  struct LayoutRow {
    QLabel* file = nullptr;
    QComboBox* delimiter = nullptr;
    QComboBox* decimal = nullptr;
    QSpinBox* headerRows = nullptr;
    QComboBox* time = nullptr;
    QComboBox* volts = nullptr;
  };
  QGroupBox* MakeLayoutBox();
  // The operator's corrections of file k's layout, kept in the fields the command reads with.
  DelimitedOverride& LayoutOf(int k);
  // Re-reads file k after the operator changed its layout.
  void LayoutChanged(int k);
  // Shows file k's layout row, set to what the reader used, or hides it.
  void ShowLayout(int k, bool visible);
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
  QGroupBox* m_layoutBox = nullptr;
  LayoutRow m_layoutRows[2];
  bool m_delimited[2] = {false, false};  // file k is read as delimited text
  bool m_showingLayout = false;          // the controls are being set, not changed by the operator
  QComboBox* m_incident = nullptr;
  QComboBox* m_transmitted = nullptr;
  QLineEdit* m_incidentStart = nullptr;
  QLineEdit* m_transmittedStart = nullptr;
};

// Runs the dialog on fields; true on 确认.
bool RunRecordingOpenDialog(QWidget* parent, RecordingOpenFields& fields, Interaction& ui);

}  // namespace velk
