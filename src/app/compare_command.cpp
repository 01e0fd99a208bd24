#include "app/compare_command.h"

#include <QFileInfo>
#include <QPointer>

#include "app/main_frame.h"
#include "app/record_document.h"
#include "app/velk_app.h"
#include "dialogs/compare_dlg.h"

namespace velk {

namespace {

// The computed open tests, each named as its window is titled.
std::vector<ComparedTest> OpenTests(CVelkApp& app) {
  std::vector<ComparedTest> out;
  for (const auto& r : app.records()) {
    std::string name = r->frame() ? r->frame()->windowTitle().toStdString() : std::string();
    if (name.empty()) name = QFileInfo(r->pathName).fileName().toStdString();
    if (name.empty()) name = "#" + std::to_string(out.size() + 1);
    if (auto t = FromRecord(r->doc(), name)) out.push_back(std::move(*t));
  }
  return out;
}

}  // namespace

void OnCompare(CommandContext& ctx) {
  // One window for the program; it lives until the operator closes it.
  static QPointer<CCompareDlg> open;
  if (!open) {
    CVelkApp& app = ctx.app;
    open = new CCompareDlg(
        app.interaction(), [&app] { return OpenTests(app); }, &app.mainFrame());
    open->setAttribute(Qt::WA_DeleteOnClose);
    open->AddOpenTests();
  }
  open->show();
  open->raise();
  open->activateWindow();
}

}  // namespace velk
