#include "app/undo_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>

#include "app/app_commands.h"
#include "app/command_ids.h"
#include "app/record_document.h"
#include "app/record_history.h"
#include "app/velk_app.h"

namespace velk {

namespace {

struct StepLabel {
  int id;
  const char* label;
};

// The commands that change a test record, by the name the Edit menu gives their step.
constexpr StepLabel kStepLabels[] = {
    {cmd::kCalculate, QT_TRANSLATE_NOOP("velk", "计算")},
    {cmd::kRecompute, QT_TRANSLATE_NOOP("velk", "重新计算")},
    {cmd::kResultSettings, QT_TRANSLATE_NOOP("velk", "结果计算")},
    {cmd::kBridgeParameters, QT_TRANSLATE_NOOP("velk", "桥/应变仪/应变片参数")},
    {cmd::kStaticCalibration, QT_TRANSLATE_NOOP("velk", "静态标定")},
    {cmd::kCs20000Calibration, QT_TRANSLATE_NOOP("velk", "CS20000标定")},
    {cmd::kRecapitulation, QT_TRANSLATE_NOOP("velk", "recapitulation")},
    {cmd::kCutCurve, QT_TRANSLATE_NOOP("velk", "切除曲线")},
    {cmd::kStraightenCurve, QT_TRANSLATE_NOOP("velk", "拉直曲线")},
    {cmd::kOpenParameterFile, QT_TRANSLATE_NOOP("velk", "打开参数文件")},
};

}  // namespace

const char* ChangeLabel(int id) {
  for (const StepLabel& s : kStepLabels) {
    if (s.id == id) return s.label;
  }
  return nullptr;
}

void RunAsOneStep(CommandContext& ctx, CommandHandler handler) {
  const char* label = ChangeLabel(ctx.id);
  // A parameter file is loaded into the open test whichever window is active.
  RecordDocument* record = !label ? nullptr : ctx.record ? ctx.record : ctx.app.FindOpenRecord();
  if (!record) {
    handler(ctx);
    return;
  }
  // The command may close the record; its history goes with it.
  QPointer<RecordHistory> history = &record->history();
  history->Begin(label);
  handler(ctx);
  if (history) history->End();
}

void OnUndoCommand(CommandContext& ctx) {
  if (ctx.record) {
    ctx.record->history().Undo(ctx.app.interaction());
  } else {
    OnEditCommand(ctx);
  }
}

void UpdateUndo(CommandContext& ctx, CommandUpdate& u) {
  if (ctx.record) {
    u.enabled = ctx.record->history().steps().CanUndo();
  } else {
    UpdateEditCommand(ctx, u);
  }
}

void OnRedoCommand(CommandContext& ctx) { ctx.record->history().Redo(ctx.app.interaction()); }

void UpdateRedo(CommandContext& ctx, CommandUpdate& u) {
  u.enabled = ctx.record && ctx.record->history().steps().CanRedo();
}

void NameUndoItems(CVelkApp& app, QMenu& menu) {
  RecordDocument* record = app.ActiveRecord();
  for (QAction* a : menu.actions()) {
    const int id = a->data().toInt();
    if (id != cmd::kUndo && id != cmd::kRedo) continue;
    const bool undo = id == cmd::kUndo;
    std::string label;
    if (record)
      label = undo ? record->history().steps().UndoLabel() : record->history().steps().RedoLabel();
    QString text;
    if (label.empty()) {
      text = undo ? QCoreApplication::translate("velk", "撤销(&U)")
                  : QCoreApplication::translate("velk", "重做(&R)");
    } else {
      const QString step = QCoreApplication::translate("velk", label.c_str());
      text = undo ? QCoreApplication::translate("velk", "撤销 %1(&U)").arg(step)
                  : QCoreApplication::translate("velk", "重做 %1(&R)").arg(step);
    }
    const QKeySequence key(undo ? Qt::CTRL | Qt::Key_Z : Qt::CTRL | Qt::Key_Y);
    a->setText(text + QLatin1Char('\t') + key.toString(QKeySequence::NativeText));
  }
}

}  // namespace velk
