#include "app/app_commands.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolBar>

#include "app/command_ids.h"
#include "app/main_frame.h"
#include "app/para_doc.h"
#include "app/record_document.h"
#include "app/velk_app.h"
#include "dialogs/curve_select_dlg.h"
#include "dialogs/test_setup_dlg.h"
#include "tools/result_file.h"

namespace velk {

// ---------------------------------------------------------------- application

void OnFileNew(CommandContext& ctx) { ctx.app.OnFileNew(); }
void OnOpenTektronix(CommandContext& ctx) { ctx.app.OnOpenTektronix(); }
void OnOpenCs20000(CommandContext& ctx) { ctx.app.OnOpenCs20000(); }
void OnOpenRecord(CommandContext& ctx) { ctx.app.OnOpenRecord(); }
void OnOpenRecordingFile(CommandContext& ctx) { ctx.app.OnOpenRecordingFile(); }
void OnRecentFile(CommandContext& ctx) { ctx.app.OnRecentFile(ctx.id); }
void OnOpenParameterFile(CommandContext& ctx) { ctx.app.OnOpenParameterFile(); }
void OnBarLibrary(CommandContext& ctx) { ctx.app.OnBarLibrary(); }
void OnSaveParameterFile(CommandContext& ctx) { ctx.app.OnSaveParameterFile(); }
void OnAppAbout(CommandContext& ctx) { ctx.app.OnAppAbout(); }
void OnOpenSession(CommandContext& ctx) { ctx.app.OnOpenSession(); }
void OnSaveSession(CommandContext& ctx) { ctx.app.SaveSession(*ctx.record); }

void UpdateRecentFile(CommandContext& ctx, CommandUpdate& u) {
  u.enabled = ctx.id - cmd::kRecentFirst < ctx.app.RecentFiles().size();
}

// ---------------------------------------------------------------- result files

namespace {

// Save As: the parameter file first, then the result file under a name the operator chooses.
void SaveResultsAs(CommandContext& ctx) {
  Workspace& ws = ctx.app.ws();
  ctx.app.SaveParameterFile();
  if (!ws.Has(kResultsComputed)) return;
  const int kind = ws.resultKind;
  const char* description = kind == 2   ? QT_TRANSLATE_NOOP("velk", "输出文件 (*.DT2)")
                            : kind == 3 ? QT_TRANSLATE_NOOP("velk", "输出文件 (*.DT3)")
                                        : QT_TRANSLATE_NOOP("velk", "输出文件 (*.DT4)");
  const std::string extension = ResultExtension(kind);
  const auto path =
      ctx.app.interaction().AskSavePath(QT_TRANSLATE_NOOP("velk", "保存为"),
                                        {{description, "*" + extension}}, extension, std::string());
  if (!path) return;
  (void)WriteResultFile(*path, ctx.record->doc(), kind).Report(ctx.app.interaction());
}

// Quick save of result kind 2, 3 or 4: beside the record file it was read from.
void QuickSaveResults(CommandContext& ctx, int kind) {
  Workspace& ws = ctx.app.ws();
  ws.resultKind = kind;
  // A test read from waveform files has no record file to name the result after; neither has
  // one given on the command line, which never sets the opened-record path.
  if (ws.Has(kTektronixSource | kCs20000Source) || ws.openedRecordPath.empty()) {
    SaveResultsAs(ctx);
    return;
  }
  ctx.app.SaveParameterFile();
  if (!ws.Has(kResultsComputed)) return;
  (void)WriteResultFile(ResultFileName(ws.openedRecordPath, kind), ctx.record->doc(), kind)
      .Report(ctx.app.interaction());
}

}  // namespace

void OnFileSave(CommandContext& ctx) { QuickSaveResults(ctx, 2); }
void OnSaveEngineering(CommandContext& ctx) { QuickSaveResults(ctx, 3); }
void OnSaveTrue(CommandContext& ctx) { QuickSaveResults(ctx, 4); }
void OnFileSaveAs(CommandContext& ctx) { SaveResultsAs(ctx); }

// ---------------------------------------------------------------- record windows

namespace {
void ToggleVisible(QWidget* w) {
  if (!w) return;
  if (w->isVisible()) {
    w->hide();
  } else {
    w->show();
    w->raise();
  }
}
}  // namespace

void OnShowSetupDialog(CommandContext& ctx) { ToggleVisible(ctx.record->setupDialog()); }

void UpdateShowSetupDialog(CommandContext& ctx, CommandUpdate& u) {
  u.checked = ctx.record->setupDialog() && ctx.record->setupDialog()->isVisible();
}

void OnShowCurveChooser(CommandContext& ctx) { ToggleVisible(ctx.record->curveChooser()); }

void UpdateShowCurveChooser(CommandContext& ctx, CommandUpdate& u) {
  u.checked = ctx.record->curveChooser() && ctx.record->curveChooser()->isVisible();
}

void UpdateNeedsResults(CommandContext& ctx, CommandUpdate& u) {
  u.enabled = ctx.app.ws().Has(kResultsComputed);
}
void UpdateBridgeCheck(CommandContext& ctx, CommandUpdate& u) {
  u.checked = ctx.app.ws().Has(kBridgeParams);
}
void UpdateCalibrationCheck(CommandContext& ctx, CommandUpdate& u) {
  u.checked = ctx.app.ws().Has(kCalibration);
}
void UpdateCs20000Check(CommandContext& ctx, CommandUpdate& u) {
  u.checked = ctx.app.ws().Has(kCs20000Source);
}
void UpdateSmoothCheck(CommandContext& ctx, CommandUpdate& u) {
  u.checked = ctx.record->smoothDialog() != nullptr;
}
void UpdateRecompute(CommandContext& ctx, CommandUpdate& u) {
  // Recompute is offered exactly when the chooser offers the processed waves (button 1032).
  u.enabled = ctx.record->doc().m_chooser.processedEnabled;
}

// ---------------------------------------------------------------- frames and bars

void OnFileClose(CommandContext& ctx) {
  if (ctx.record) {
    ctx.app.CloseRecord(ctx.record);
    return;
  }
  if (QMdiSubWindow* sub = ctx.app.mainFrame().mdiArea().currentSubWindow()) sub->close();
}

void OnAppExit(CommandContext& ctx) { ctx.app.mainFrame().close(); }

void OnViewToolbar(CommandContext& ctx) {
  QToolBar& bar = ctx.app.mainFrame().toolBar();
  bar.setVisible(bar.isHidden());
}
void UpdateViewToolbar(CommandContext& ctx, CommandUpdate& u) {
  u.checked = !ctx.app.mainFrame().toolBar().isHidden();
}
void OnViewStatusBar(CommandContext& ctx) {
  QStatusBar* bar = ctx.app.mainFrame().statusBar();
  bar->setVisible(bar->isHidden());
}
void UpdateViewStatusBar(CommandContext& ctx, CommandUpdate& u) {
  u.checked = !ctx.app.mainFrame().statusBar()->isHidden();
}

void OnWindowCascade(CommandContext& ctx) { ctx.app.mainFrame().mdiArea().cascadeSubWindows(); }
void OnWindowTile(CommandContext& ctx) { ctx.app.mainFrame().mdiArea().tileSubWindows(); }

void OnWindowArrange(CommandContext& ctx) {
  // Minimized frames line up along the bottom edge of the client area.
  QMdiArea& area = ctx.app.mainFrame().mdiArea();
  int x = 0;
  for (QMdiSubWindow* sub : area.subWindowList()) {
    if (!sub->isMinimized()) continue;
    sub->move(x, area.viewport()->height() - sub->height());
    x += sub->width();
  }
}

namespace {
// The edit view of the active parameter document, if that is what is active.
QPlainTextEdit* ActiveEditView(CommandContext& ctx) {
  if (ctx.record) return nullptr;
  QMdiSubWindow* sub = ctx.app.mainFrame().mdiArea().currentSubWindow();
  for (const auto& d : ctx.app.paraDocs()) {
    if (sub && d->frame() == sub) return d->editView();
  }
  return nullptr;
}
}  // namespace

void OnEditCommand(CommandContext& ctx) {
  QPlainTextEdit* edit = ActiveEditView(ctx);
  if (!edit) return;
  switch (ctx.id) {
    case cmd::kCopy:
      edit->copy();
      break;
    case cmd::kCut:
      edit->cut();
      break;
    case cmd::kPaste:
      edit->paste();
      break;
    case cmd::kUndo:
      edit->undo();
      break;
    default:
      break;
  }
}

void UpdateEditCommand(CommandContext& ctx, CommandUpdate& u) {
  u.enabled = ActiveEditView(ctx) != nullptr;
}

}  // namespace velk
