#pragma once
// The application object: owns the program-wide Workspace, the operator interaction, the main
// frame and the open documents (test records and parameter documents), and runs the
// application-level commands: opening tests and parameter files, the recent-file list, About.

#include <QObject>
#include <QStringList>
#include <memory>
#include <vector>

#include "record/interaction.h"
#include "record/workspace.h"

namespace velk {

class CMainFrame;
class RecordDocument;
class CParaDoc;
class CVelkView;
struct CommandContext;

// A session file, by its extension ".velks".
bool IsSessionFileName(const QString& path);

class CVelkApp : public QObject {
  Q_OBJECT
 public:
  // With no interaction given, the desktop one (QtInteraction) is used; tests inject a script.
  explicit CVelkApp(Interaction* interaction = nullptr);
  ~CVelkApp() override;

  // Start-up after construction: processes the command line (arguments without the program
  // name). Returns false when start-up fails.
  bool InitInstance(const QStringList& args);

  Workspace& ws() { return m_ws; }
  Interaction& interaction() { return *m_interaction; }
  CMainFrame& mainFrame() { return *m_mainFrame; }

  // ---- documents
  const std::vector<std::unique_ptr<RecordDocument>>& records() const { return m_records; }
  const std::vector<std::unique_ptr<CParaDoc>>& paraDocs() const { return m_paraDocs; }
  // The first open test record (the one the commands outside a record work on), or null.
  RecordDocument* FindOpenRecord() const;
  // The test record whose child frame is active, or null (a parameter document may be active).
  RecordDocument* ActiveRecord() const;
  // The record that owns this CVelkDoc, or null.
  RecordDocument* RecordOf(const CVelkDoc& doc) const;
  CommandContext ActiveContext(int id);

  // A new, empty test record without a frame (its constructor resets the test parameters).
  RecordDocument& CreateRecord();
  // Creates the record's child frame and plot view and runs the view's initial update.
  void ShowRecordFrame(RecordDocument& record);
  void CloseRecord(RecordDocument* record);
  void CloseAllRecords();
  void CloseAllParaDocs();
  // The open-document operation of the desktop: picks the document type by extension (".pat"
  // parameter document, anything else a test record), loads the file and shows it. No flags
  // are reset and no parameter file is looked for. Returns whether a document was opened.
  bool OpenDocumentFile(const QString& path);

  // ---- application commands
  void OnFileNew() {}
  void OnOpenTektronix();
  void OnOpenCs20000();
  void OnOpenRecord();
  void OnOpenRecordingFile() { OpenRecordingFiles({}); }
  // "打开记录文件" on the given recordings (none, one or two: files dropped on the window come in
  // already chosen): the operator confirms the channels in the dialog, then the open test is
  // closed and the new one opened from them. Nothing changes when the dialog is cancelled or the
  // files do not make a test.
  void OpenRecordingFiles(std::vector<std::string> paths);
  // Files dropped on the window: one or two instrument recordings open through
  // OpenRecordingFiles; returns false (nothing done) for anything else.
  bool OpenDroppedRecordings(const QStringList& paths);
  void OnRecentFile(int id);
  void OnOpenParameterFile();
  // The bar-library dialog over the program's library; the open tests follow their rows.
  void OnBarLibrary();
  void OnSaveParameterFile();
  // Saves the test parameters: beside the record without asking when the parameter file was found
  // there, otherwise where the operator says. Returns whether a file was written.
  bool SaveParameterFile();
  void OnAppAbout();
  // Session files (app_session.cpp). Opening replays the session in full before the open test is
  // closed, so a session that cannot be replayed leaves everything as it was.
  void OnOpenSession();
  bool OpenSessionFile(const QString& path);
  void SaveSession(RecordDocument& record);
  // The open-test-file operation: closes what is open, opens the record file at path and loads
  // the parameter file beside it.
  void OpenTestFile(const QString& path);
  // A file named on the command line or dropped on the main frame: a parameter file opens as a
  // parameter document, any other file as a test through the open-test-file operation, so that
  // its parameter file is loaded as the open command loads it. Returns whether it was opened.
  bool OpenShellFile(const QString& path);

  // ---- recent-file list, as stored in the settings; the program never adds to it
  static constexpr int kRecentCount = 4;
  QStringList RecentFiles() const;
  void RemoveRecentFile(int index);
  // Puts path first in the list (sessions only: other files keep the list as it was).
  void AddRecentFile(const QString& path);

  // Notifies the frame that the set of documents or the active one changed.
  void DocumentsChanged();

 private:
  enum class WaveSource { Tektronix, Cs20000 };
  void OpenWaveFiles(WaveSource source);
  bool LoadParaDoc(const QString& path);

  Workspace m_ws;
  int m_savedResultLimit = 2000;  // the user setting as read at start
  std::unique_ptr<Interaction> m_ownedInteraction;
  Interaction* m_interaction = nullptr;
  std::vector<std::unique_ptr<RecordDocument>> m_records;
  std::vector<std::unique_ptr<CParaDoc>> m_paraDocs;
  std::unique_ptr<CMainFrame> m_mainFrame;
  bool m_closing = false;
};

}  // namespace velk
