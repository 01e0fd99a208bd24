#include "record/scripted_interaction.h"

#include <cmath>

#include "record/doc_view.h"
#include "record/tr_noop.h"
#include "record/velk_doc.h"

namespace velk {

std::string FormatArgs(const std::string& text, const std::vector<std::string>& args) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const std::size_t k = static_cast<std::size_t>(text[i + 1] - '1');
      if (k < args.size()) {
        out += args[k];
        ++i;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

void ScriptedInteraction::ShowMessage(const std::string& text,
                                      const std::vector<std::string>& args) {
  messages.push_back(FormatArgs(text, args));
}

std::optional<std::string> ScriptedInteraction::AskOpenPath(const std::string& title,
                                                            const std::vector<FileFilter>&,
                                                            const std::string&) {
  prompts.push_back(title);
  if (openAnswers.empty()) return std::nullopt;
  auto a = openAnswers.front();
  openAnswers.pop_front();
  return a;
}

std::optional<std::string> ScriptedInteraction::AskSavePath(const std::string& title,
                                                            const std::vector<FileFilter>&,
                                                            const std::string& defaultExtension,
                                                            const std::string&) {
  prompts.push_back(title);
  if (saveAnswers.empty()) return std::nullopt;
  auto a = saveAnswers.front();
  saveAnswers.pop_front();
  if (a && !defaultExtension.empty()) {
    const auto slash = a->find_last_of('/');
    const auto dot = a->find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
      *a += defaultExtension;
    }
  }
  return a;
}

bool ScriptedInteraction::RunSheet(Sheet& sheet) {
  prompts.push_back(sheet.caption);
  if (sheetAnswers.empty()) return false;
  auto f = std::move(sheetAnswers.front());
  sheetAnswers.pop_front();
  return f(sheet);
}

bool ScriptedInteraction::RunRecap(RecapFields& fields) {
  prompts.push_back("recapitulation");
  if (recapAnswers.empty()) return false;
  auto f = std::move(recapAnswers.front());
  recapAnswers.pop_front();
  return f(fields);
}

int ScriptedInteraction::ChooseWindowMethod() {
  prompts.push_back("数据计算");
  if (methodAnswers.empty()) return kCancelled;
  const int m = methodAnswers.front();
  methodAnswers.pop_front();
  return m;
}

bool ScriptedInteraction::RunRecordingOpen(RecordingOpenFields& fields) {
  prompts.push_back("打开记录文件");
  if (recordingAnswers.empty()) return false;
  auto f = std::move(recordingAnswers.front());
  recordingAnswers.pop_front();
  return f(fields);
}

int ScriptedInteraction::PickPoint(CVelkDoc& doc) {
  if (pickAnswers.empty()) return kCancelled;
  const auto a = pickAnswers.front();
  pickAnswers.pop_front();
  if (!a) return kCancelled;
  if (doc.m_view) {
    // The value comes from the shown curve, as the view's own pick reads it.
    doc.m_view->PickValueAt(*a);
  } else {
    doc.m_pickedIndex = *a;
    doc.m_pickedValue = 0;
  }
  return kDone;
}

bool ScriptedInteraction::RunUncertainty(UncertaintySheet& sheet) {
  prompts.push_back(VELK_TRANSLATE_NOOP("velk", "不确定度..."));
  if (uncertaintyAnswers.empty()) return false;
  auto a = std::move(uncertaintyAnswers.front());
  uncertaintyAnswers.pop_front();
  return a(sheet);
}

bool ScriptedInteraction::ShowProgress(const std::string&, double fraction) {
  progress.push_back(fraction);
  return fraction < cancelProgressAt;
}

}  // namespace velk
