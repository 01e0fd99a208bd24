#include "app/uncertainty_command.h"

#include <QSettings>
#include <nlohmann/json.hpp>

#include "analysis/result_uncertainty.h"
#include "app/record_document.h"
#include "app/velk_app.h"

namespace velk {

namespace {

// Beside the recent-file list, as the uncertainty file writes them.
const char* const kSettingsOrganization = "Local AppWizard-Generated Applications";
const char* const kSettingsApplication = "Velk";
const char* const kInputsKey = "Settings/UncertaintyInputs";

QSettings Settings() {
  return QSettings{QLatin1String(kSettingsOrganization), QLatin1String(kSettingsApplication)};
}

// A stored text that no longer reads (edited by hand, from another version) gives the defaults.
UncertaintyInputs StoredInputs() {
  const std::string text = Settings().value(QLatin1String(kInputsKey)).toString().toStdString();
  UncertaintyInputs in;
  if (!text.empty() && ParseUncertaintyInputs(text, in)) in = UncertaintyInputs{};
  return in;
}

}  // namespace

void OnUncertaintyCommand(CommandContext& ctx) {
  UncertaintyInputs in = StoredInputs();
  OnUncertainty(ctx.record->doc(), ctx.app.interaction(), in);
  const nlohmann::json j = in;
  Settings().setValue(QLatin1String(kInputsKey), QString::fromStdString(j.dump()));
}

}  // namespace velk
