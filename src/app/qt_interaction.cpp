#include "app/qt_interaction.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>

#include "app/main_frame.h"
#include "app/open_recording_dlg.h"
#include "app/record_document.h"
#include "app/velk_app.h"
#include "dialogs/uncertainty_dlg.h"
#include "plot/view/velk_view.h"
#include "tools/curve_tools.h"

namespace velk {

namespace {
SheetRunner& Sheets() {
  static SheetRunner r;
  return r;
}
RecapRunner& Recaps() {
  static RecapRunner r;
  return r;
}
MethodRunner& Methods() {
  static MethodRunner r;
  return r;
}

QString Tr(const std::string& source) {
  return QCoreApplication::translate("velk", source.c_str());
}
}  // namespace

void SetSheetRunner(SheetRunner runner) { Sheets() = std::move(runner); }
void SetRecapRunner(RecapRunner runner) { Recaps() = std::move(runner); }
void SetMethodRunner(MethodRunner runner) { Methods() = std::move(runner); }

QString TranslateMessage(const std::string& text, const std::vector<std::string>& args) {
  const QString t = Tr(text);
  // One pass, so an argument that itself holds "%2" stays as it is.
  QString out;
  out.reserve(t.size());
  for (qsizetype i = 0; i < t.size(); ++i) {
    if (t[i] == QLatin1Char('%') && i + 1 < t.size() && t[i + 1] >= QLatin1Char('1') &&
        t[i + 1] <= QLatin1Char('9')) {
      const std::size_t k = static_cast<std::size_t>(t[i + 1].unicode() - '1');
      if (k < args.size()) {
        // An argument can itself be a source text ("true strain"); a path or a number is not
        // in the catalogue and stays as it is.
        out += args[k].empty() ? QString() : Tr(args[k]);
        ++i;
        continue;
      }
    }
    out += t[i];
  }
  return out;
}

QStringList QtNameFilters(const std::vector<FileFilter>& filters) {
  QStringList out;
  for (const FileFilter& f : filters) {
    QString d = Tr(f.description);
    QString pattern = QString::fromStdString(f.pattern);
    // On this system many recordings carry no extension at all; "*.*" must still show them.
    const bool all = pattern == QLatin1String("*.*");
    if (all) pattern = QStringLiteral("*");
    const QString named = QStringLiteral("(%1)").arg(QString::fromStdString(f.pattern));
    if (d.contains(named)) {
      d.replace(named, QStringLiteral("(%1)").arg(pattern));
    } else {
      d += QStringLiteral(" (%1)").arg(pattern);
    }
    out << d;
  }
  return out;
}

QtInteraction::QtInteraction(CVelkApp& app) : m_app(app) {}
QtInteraction::~QtInteraction() = default;

QWidget* QtInteraction::Parent() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return &m_app.mainFrame();
}

void QtInteraction::ShowMessage(const std::string& text, const std::vector<std::string>& args) {
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::translate("velk", "Velk"),
                  TranslateMessage(text, args), QMessageBox::Ok, Parent());
  box.exec();
}

std::optional<std::string> QtInteraction::AskOpenPath(const std::string& title,
                                                      const std::vector<FileFilter>& filters,
                                                      const std::string& startPath) {
  QFileDialog dlg(Parent(), Tr(title));
  dlg.setOption(QFileDialog::DontUseNativeDialog);
  dlg.setAcceptMode(QFileDialog::AcceptOpen);
  dlg.setFileMode(QFileDialog::ExistingFile);
  dlg.setNameFilters(QtNameFilters(filters));
  if (!startPath.empty()) dlg.selectFile(QString::fromStdString(startPath));
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
  return dlg.selectedFiles().first().toStdString();
}

std::optional<std::string> QtInteraction::AskSavePath(const std::string& title,
                                                      const std::vector<FileFilter>& filters,
                                                      const std::string& defaultExtension,
                                                      const std::string& proposedName) {
  QFileDialog dlg(Parent(), Tr(title));
  dlg.setOption(QFileDialog::DontUseNativeDialog);
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setFileMode(QFileDialog::AnyFile);
  dlg.setNameFilters(QtNameFilters(filters));
  QString suffix = QString::fromStdString(defaultExtension);
  if (suffix.startsWith(QLatin1Char('.'))) suffix.remove(0, 1);
  dlg.setDefaultSuffix(suffix);
  if (!proposedName.empty()) dlg.selectFile(QString::fromStdString(proposedName));
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
  return dlg.selectedFiles().first().toStdString();
}

bool QtInteraction::RunSheet(Sheet& sheet) { return Sheets() ? Sheets()(Parent(), sheet) : false; }

bool QtInteraction::RunRecap(RecapFields& fields) {
  return Recaps() ? Recaps()(Parent(), fields) : false;
}

int QtInteraction::ChooseWindowMethod() { return Methods() ? Methods()(Parent()) : kCancelled; }

bool QtInteraction::RunRecordingOpen(RecordingOpenFields& fields) {
  return RunRecordingOpenDialog(Parent(), fields, *this);
}

int QtInteraction::PickPoint(CVelkDoc& doc) {
  RecordDocument* record = m_app.RecordOf(doc);
  CVelkView* view = record ? record->view() : nullptr;
  return view ? view->PickPoint() : kCancelled;
}

void QtInteraction::SetCoordinateText(const std::string& text) {
  QString shown = QString::fromStdString(text);
  // The average strain rate arrives formatted; its words are translated here.
  const QString prefix = QString::fromUtf8(kAverageRatePrefix);
  if (shown.startsWith(prefix)) shown.replace(0, prefix.size(), Tr(kAverageRatePrefix));
  m_app.mainFrame().SetCoordinateText(shown);
}

bool QtInteraction::RunUncertainty(UncertaintySheet& sheet) {
  return RunUncertaintyDialog(Parent(), sheet);
}

bool QtInteraction::ShowProgress(const std::string& text, double fraction) {
  constexpr int kSteps = 1000;
  if (fraction >= 1.0) {
    m_progress.reset();
    return true;
  }
  if (!m_progress) {
    m_progress = std::make_unique<QProgressDialog>(
        Tr(text), QCoreApplication::translate("velk", "取消"), 0, kSteps, Parent());
    m_progress->setWindowTitle(QCoreApplication::translate("velk", "Velk"));
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setMinimumDuration(500);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
  }
  // A window-modal dialog lets the events through as it advances, so it paints and can cancel.
  m_progress->setValue(static_cast<int>(fraction * kSteps));
  return !m_progress->wasCanceled();
}

}  // namespace velk
