#include "app/velk_app.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTimer>
#include <algorithm>

#include "app/about_dlg.h"
#include "app/child_frame.h"
#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/dialog_commands.h"
#include "app/main_frame.h"
#include "app/open_wave_dlg.h"
#include "app/para_doc.h"
#include "app/qt_interaction.h"
#include "app/record_document.h"
#include "dialogs/bar_library_dlg.h"
#include "plot/view/velk_view.h"
#include "record/param_file.h"
#include "record/reader.h"
#include "record/recording_open.h"
#include "tools/session_commands.h"

namespace velk {

namespace {

// Where the recent-file list has always been kept.
const char* const kSettingsOrganization = "Local AppWizard-Generated Applications";
const char* const kSettingsApplication = "Velk";
const char* const kRecentGroup = "Recent File List";
const char* const kResultLimitKey = "Settings/ResultLimit";

std::vector<FileFilter> RecordFilters() {
  return {{QT_TRANSLATE_NOOP("velk", "Velk file (*.isf)"), "*.isf"},
          {QT_TRANSLATE_NOOP("velk", "所有文件 (*.*)"), "*.*"}};
}

std::vector<FileFilter> ParameterFilters() {
  return {{QT_TRANSLATE_NOOP("velk", "Velk parameter file (*.pat)"), "*.pat"},
          {QT_TRANSLATE_NOOP("velk", "所有文件 (*.*)"), "*.*"}};
}

bool IsParameterFileName(const QString& path) {
  return QFileInfo(path).suffix().compare(QLatin1String("pat"), Qt::CaseInsensitive) == 0;
}

}  // namespace

CVelkApp::CVelkApp(Interaction* interaction) {
  if (interaction) {
    m_interaction = interaction;
  } else {
    m_ownedInteraction = std::make_unique<QtInteraction>(*this);
    m_interaction = m_ownedInteraction.get();
    InstallDialogRunners();
  }
  m_mainFrame = std::make_unique<CMainFrame>(*this);
  DocumentsChanged();
}

CVelkApp::~CVelkApp() {
  m_closing = true;
  if (m_ws.resultLimit != m_savedResultLimit) {
    QSettings s{QLatin1String(kSettingsOrganization), QLatin1String(kSettingsApplication)};
    s.setValue(QLatin1String(kResultLimitKey), m_ws.resultLimit);
  }
  CloseAllRecords();
  CloseAllParaDocs();
  m_mainFrame.reset();
}

bool CVelkApp::InitInstance(const QStringList& args) {
  {
    QSettings s{QLatin1String(kSettingsOrganization), QLatin1String(kSettingsApplication)};
    bool ok = false;
    const int limit = s.value(QLatin1String(kResultLimitKey), 2000).toInt(&ok);
    m_ws.resultLimit = m_savedResultLimit = ok && limit >= 0 ? limit : 2000;
  }
  m_ws.bars.Load(BarLibraryPath()).Report(*m_interaction);
  // No argument: the "new" command, which does nothing, so the program starts empty.
  if (args.isEmpty()) {
    OnFileNew();
    return true;
  }
  return OpenShellFile(args.first());
}

// ---------------------------------------------------------------- documents

RecordDocument* CVelkApp::FindOpenRecord() const {
  return m_records.empty() ? nullptr : m_records.front().get();
}

RecordDocument* CVelkApp::ActiveRecord() const {
  if (!m_mainFrame) return nullptr;  // still being built
  QMdiArea& area = m_mainFrame->mdiArea();
  QMdiSubWindow* sub = area.currentSubWindow();
  if (!sub) {
    // Without a window system focus (a floating dialog has it) the last active frame counts.
    const auto list = area.subWindowList(QMdiArea::ActivationHistoryOrder);
    if (!list.isEmpty()) sub = list.last();
  }
  if (!sub) return nullptr;
  for (const auto& r : m_records) {
    if (r->frame() == sub) return r.get();
  }
  return nullptr;
}

RecordDocument* CVelkApp::RecordOf(const CVelkDoc& doc) const {
  for (const auto& r : m_records) {
    if (&r->doc() == &doc) return r.get();
  }
  return nullptr;
}

CommandContext CVelkApp::ActiveContext(int id) {
  RecordDocument* r = ActiveRecord();
  return CommandContext{*this, r, r ? r->view() : nullptr, id};
}

RecordDocument& CVelkApp::CreateRecord() {
  m_records.push_back(std::make_unique<RecordDocument>(m_ws));
  return *m_records.back();
}

void CVelkApp::ShowRecordFrame(RecordDocument& record) {
  record.CreateFrame(m_mainFrame->mdiArea());
  // The pick's read-out goes to the coordinate pane; an empty text puts "coordinate" back.
  connect(record.view(), &CVelkView::coordinateText, m_mainFrame.get(),
          [this](const QString& t) { m_mainFrame->SetCoordinateText(t); });
  RecordDocument* r = &record;
  record.frame()->onCloseRequested = [this, r] {
    QTimer::singleShot(0, this, [this, r] { CloseRecord(r); });
  };
  DocumentsChanged();
}

void CVelkApp::CloseRecord(RecordDocument* record) {
  const auto it = std::find_if(m_records.begin(), m_records.end(),
                               [record](const auto& r) { return r.get() == record; });
  if (it == m_records.end()) return;
  // Out of the list first: closing its frame activates another window, which asks for the
  // active record.
  std::unique_ptr<RecordDocument> owned = std::move(*it);
  m_records.erase(it);
  owned.reset();
  DocumentsChanged();
}

void CVelkApp::CloseAllRecords() {
  while (!m_records.empty()) CloseRecord(m_records.back().get());
}

void CVelkApp::CloseAllParaDocs() {
  while (!m_paraDocs.empty()) {
    std::unique_ptr<CParaDoc> owned = std::move(m_paraDocs.back());
    m_paraDocs.pop_back();
  }
  DocumentsChanged();
}

void CVelkApp::DocumentsChanged() {
  if (m_closing || !m_mainFrame) return;
  m_mainFrame->UpdateMenus();
  m_mainFrame->UpdateCommandUI();
}

bool CVelkApp::LoadParaDoc(const QString& path) {
  auto doc = std::make_unique<CParaDoc>();
  if (!LoadParameterFile(path.toStdString(), m_ws).Report(*m_interaction)) return false;
  doc->pathName = path;
  m_paraDocs.push_back(std::move(doc));
  return true;
}

bool CVelkApp::OpenDocumentFile(const QString& path) {
  if (IsParameterFileName(path)) {
    if (!LoadParaDoc(path)) return false;
    m_paraDocs.back()->CreateFrame(m_mainFrame->mdiArea());
    DocumentsChanged();
    return true;
  }
  // A record that is already open is only brought to the front.
  const QString canonical = QFileInfo(path).canonicalFilePath();
  for (const auto& r : m_records) {
    if (!canonical.isEmpty() && QFileInfo(r->pathName).canonicalFilePath() == canonical) {
      if (r->frame()) r->frame()->ActivateFrame();
      return true;
    }
  }
  RecordDocument& record = CreateRecord();
  if (RecordFileReader(path.toStdString()).Read(record.doc(), *m_interaction) != kReadOk) {
    CloseRecord(&record);
    return false;
  }
  record.pathName = path;
  NoteOpened(record.doc(), RecordFileInput(path.toStdString()));
  ShowRecordFrame(record);
  // A record opened this way shows its waves too, rather than bare axes.
  record.ShowRecordedWaves();
  return true;
}

// ---------------------------------------------------------------- opening tests

void CVelkApp::OnOpenTektronix() { OpenWaveFiles(WaveSource::Tektronix); }

void CVelkApp::OnOpenCs20000() { OpenWaveFiles(WaveSource::Cs20000); }

void CVelkApp::OpenWaveFiles(WaveSource source) {
  COpenWaveDlg dlg(m_ws.waveOpen, *m_interaction, m_mainFrame.get());
  dlg.SetCaption(source == WaveSource::Tektronix ? COpenWaveDlg::tr("open TEKTRONIX files")
                                                 : COpenWaveDlg::tr("open CS20000"));
  if (dlg.exec() != QDialog::Accepted) return;

  // The open test keeps its state flags when this command stops before closing it: its curves
  // still exist and later commands must know.
  const std::uint32_t oldFlags = m_ws.flags;
  m_ws.flags = 0;
  if (!WaveFilesOpenable(m_ws.waveOpen, *m_interaction)) {
    m_ws.flags = oldFlags;
    return;
  }
  m_ws.waveOpen.incidentStart = dlg.incidentStart();
  m_ws.waveOpen.transmittedStart = dlg.transmittedStart();

  CloseAllRecords();
  RecordDocument& record = CreateRecord();
  const int read = source == WaveSource::Tektronix
                       ? ReadTektronixWaves(record.doc(), *m_interaction)
                       : ReadCs20000Waves(record.doc(), *m_interaction);
  if (read != kReadOk) {
    CloseAllRecords();
    return;
  }
  NoteOpened(record.doc(), WaveFilesInput(m_ws.waveOpen, source == WaveSource::Tektronix));
  ShowRecordFrame(record);
  if (RecordDocument* r = FindOpenRecord()) r->ShowRecordedWaves();
}

void CVelkApp::OpenRecordingFiles(std::vector<std::string> paths) {
  RecordingOpenFields fields;
  fields.paths = std::move(paths);
  if (fields.paths.size() == 2) fields.transmitted = {1, 0};
  if (!m_interaction->RunRecordingOpen(fields)) return;
  PreparedWaves waves;
  if (!PrepareRecordingWaves(fields, *m_interaction, waves)) return;
  SessionInput input = RecordingInput(fields);
  // The files' other channels are not needed any more; let them go before the record is built.
  fields = RecordingOpenFields{};

  m_ws.flags = 0;
  CloseAllRecords();
  RecordDocument& record = CreateRecord();
  if (InstallRecordingWaves(record.doc(), *m_interaction, std::move(waves)) != kReadOk) {
    CloseAllRecords();
    return;
  }
  NoteOpened(record.doc(), std::move(input));
  ShowRecordFrame(record);
  if (RecordDocument* r = FindOpenRecord()) r->ShowRecordedWaves();
}

bool CVelkApp::OpenDroppedRecordings(const QStringList& paths) {
  if (paths.isEmpty() || paths.size() > 2) return false;
  std::vector<std::string> files;
  for (const QString& p : paths) {
    if (!IsInstrumentRecording(p.toStdString())) return false;
    files.push_back(p.toStdString());
  }
  OpenRecordingFiles(std::move(files));
  return true;
}

void CVelkApp::OpenTestFile(const QString& path) {
  m_ws.flags = 0;
  m_ws.openedRecordPath = path.toStdString();
  CloseAllRecords();
  CloseAllParaDocs();
  OpenDocumentFile(path);

  bool loaded = false;
  if (const auto pat = FindParameterFileBeside(m_ws.openedRecordPath)) {
    if (LoadParaDoc(QString::fromStdString(*pat))) {
      m_ws.Set(kParamFileFound | kBridgeParams);
      loaded = true;
    }
    CloseAllParaDocs();
  }
  if (RecordDocument* r = FindOpenRecord()) {
    if (loaded) r->LoadParametersIntoSetup();
    r->ShowRecordedWaves();
  }
}

bool CVelkApp::OpenShellFile(const QString& path) {
  // A test opened with the default parameters, without a word about the parameter file beside
  // it, would be reduced with wrong numbers; a file handed over by the shell is the operator's
  // open command too.
  if (IsParameterFileName(path)) return OpenDocumentFile(path);
  if (IsSessionFileName(path)) return OpenSessionFile(path);
  OpenTestFile(path);
  return FindOpenRecord() != nullptr;
}

void CVelkApp::OnOpenRecord() {
  const auto path =
      m_interaction->AskOpenPath(QT_TRANSLATE_NOOP("velk", "打开"), RecordFilters(), std::string());
  if (path) OpenTestFile(QString::fromStdString(*path));
}

QStringList CVelkApp::RecentFiles() const {
  QSettings s{QLatin1String(kSettingsOrganization), QLatin1String(kSettingsApplication)};
  s.beginGroup(QLatin1String(kRecentGroup));
  QStringList out;
  for (int k = 1; k <= kRecentCount; ++k) {
    const QString f = s.value(QStringLiteral("File%1").arg(k)).toString();
    if (f.isEmpty()) break;
    out << f;
  }
  return out;
}

void CVelkApp::RemoveRecentFile(int index) {
  QStringList files = RecentFiles();
  if (index < 0 || index >= files.size()) return;
  files.removeAt(index);
  QSettings s{QLatin1String(kSettingsOrganization), QLatin1String(kSettingsApplication)};
  s.beginGroup(QLatin1String(kRecentGroup));
  for (int k = 1; k <= kRecentCount; ++k) {
    if (k <= files.size()) {
      s.setValue(QStringLiteral("File%1").arg(k), files[k - 1]);
    } else {
      s.remove(QStringLiteral("File%1").arg(k));
    }
  }
}

void CVelkApp::OnRecentFile(int id) {
  const int k = id - cmd::kRecentFirst;
  const QStringList files = RecentFiles();
  if (k < 0 || k >= files.size()) return;
  const QString path = files[k];
  // An entry whose file is gone leaves the list; the next entry is never opened in its place.
  if (!QFileInfo(path).isFile() || !QFileInfo(path).isReadable()) {
    RemoveRecentFile(k);
    m_interaction->ShowMessage(QT_TRANSLATE_NOOP("velk", "Open file %1 fault!"),
                               {path.toStdString()});
    return;
  }
  if (IsSessionFileName(path)) {
    OpenSessionFile(path);
    return;
  }
  OpenTestFile(path);
}

// ---------------------------------------------------------------- parameter files

void CVelkApp::OnBarLibrary() {
  std::vector<CVelkDoc*> docs;
  for (const auto& r : m_records) docs.push_back(&r->doc());
  RunBarLibraryDialog(m_ws, docs, m_mainFrame.get());
}

void CVelkApp::OnOpenParameterFile() {
  RecordDocument* record = FindOpenRecord();
  if (!record) {
    m_interaction->ShowMessage(QT_TRANSLATE_NOOP("velk", "请先打开 *.DAT 文件。"));
    return;
  }
  const auto path = m_interaction->AskOpenPath(QT_TRANSLATE_NOOP("velk", "打开"),
                                               ParameterFilters(), std::string());
  if (!path) return;
  // Whatever its extension, the file the operator chose here is read as a parameter file.
  const bool loaded = LoadParaDoc(QString::fromStdString(*path));
  CloseAllParaDocs();
  if (!loaded) return;
  record->LoadParametersIntoSetup();
  m_ws.Clear(kParamFileFound);
  m_ws.Set(kHandPickedParams | kBridgeParams);
}

void CVelkApp::OnSaveParameterFile() { SaveParameterFile(); }

bool CVelkApp::SaveParameterFile() {
  m_paraDocs.push_back(std::make_unique<CParaDoc>());
  std::string path;
  if (m_ws.Has(kParamFileFound)) {
    // The file found beside the record is replaced without asking.
    const auto found = FindParameterFileBeside(m_ws.openedRecordPath);
    path = found ? *found : ParameterFileName(m_ws.openedRecordPath);
  } else {
    const auto chosen = m_interaction->AskSavePath(QT_TRANSLATE_NOOP("velk", "保存为"),
                                                   ParameterFilters(), ".pat", ".pat");
    if (!chosen) {
      CloseAllParaDocs();
      return false;
    }
    path = *chosen;
  }
  const bool ok = StoreParameterFile(path, m_ws).Report(*m_interaction);
  CloseAllParaDocs();
  return ok;
}

void CVelkApp::OnAppAbout() {
  CAboutDlg dlg(m_mainFrame.get());
  dlg.exec();
}

}  // namespace velk
