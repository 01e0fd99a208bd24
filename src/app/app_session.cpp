// The session commands of the application: "打开会话..." and "保存会话(&E)...".

#include <QSettings>
#include <QStringList>

#include "app/record_document.h"
#include "app/velk_app.h"
#include "plot/core/view_model.h"
#include "plot/view/velk_view.h"
#include "tools/session_file.h"
#include "tools/session_replay.h"

namespace velk {

namespace {

const char* const kSettingsOrganization = "Local AppWizard-Generated Applications";
const char* const kSettingsApplication = "Velk";
const char* const kRecentGroup = "Recent File List";

std::vector<FileFilter> SessionFilters() {
  return {{QT_TRANSLATE_NOOP("velk", "Velk 会话 (*.velks)"), "*.velks"}};
}

}  // namespace

bool IsSessionFileName(const QString& path) {
  return path.endsWith(QLatin1String(kSessionExtension), Qt::CaseInsensitive);
}

void CVelkApp::OnOpenSession() {
  const auto path = m_interaction->AskOpenPath(QT_TRANSLATE_NOOP("velk", "打开会话"),
                                               SessionFilters(), std::string());
  if (path) OpenSessionFile(QString::fromStdString(*path));
}

bool CVelkApp::OpenSessionFile(const QString& qpath) {
  const std::string path = qpath.toStdString();
  SessionFile file;
  if (!ReadSessionFile(path, file).Report(*m_interaction)) return false;
  {
    // A trial on a copy of the workspace: a session that cannot be replayed leaves the open test
    // and the program-wide parameters as they were.
    Workspace trial = m_ws;
    CVelkDoc doc(trial);
    if (!ReplaySession(file, path, doc, *m_interaction)) return false;
  }
  CloseAllRecords();
  RecordDocument& record = CreateRecord();
  CurveSelection shown;
  if (!ReplaySession(file, path, record.doc(), *m_interaction, &shown)) {
    CloseAllRecords();
    return false;
  }
  if (file.journal.input.source == SessionSource::kRecordFile) {
    record.pathName = QString::fromStdString(file.journal.input.paths.front());
  }
  ShowRecordFrame(record);
  if (CVelkView* view = record.view(); view && shown.m_curveKind != 0) {
    if (m_ws.Has(kResultsComputed)) view->model().ScaleResults();
    view->model().SelectCurve(shown.m_curveKind, shown.m_showUnsmoothed, shown.m_showSmoothed);
  } else {
    record.ShowRecordedWaves();
  }
  AddRecentFile(qpath);
  return true;
}

void CVelkApp::SaveSession(RecordDocument& record) {
  const auto path = m_interaction->AskSavePath(QT_TRANSLATE_NOOP("velk", "保存会话"),
                                               SessionFilters(), kSessionExtension, std::string());
  if (!path) return;
  if (WriteSessionFile(*path, record.doc()).Report(*m_interaction)) {
    AddRecentFile(QString::fromStdString(*path));
  }
}

void CVelkApp::AddRecentFile(const QString& path) {
  QStringList files = RecentFiles();
  files.removeAll(path);
  files.prepend(path);
  QSettings s{QLatin1String(kSettingsOrganization), QLatin1String(kSettingsApplication)};
  s.beginGroup(QLatin1String(kRecentGroup));
  for (int k = 1; k <= kRecentCount && k <= files.size(); ++k) {
    s.setValue(QStringLiteral("File%1").arg(k), files[k - 1]);
  }
}

}  // namespace velk
