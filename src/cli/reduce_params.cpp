// Parameters applied after opening, in the order the contract fixes.

#include <CLI/CLI.hpp>

#include "cli/reduce_cli.h"
#include "record/param_file.h"

namespace velk::cli {

void AddParameterOptions(CLI::App& app, ReduceOptions& o) {
  app.add_option("--params", o.params,
                 "Parameter file to load after opening, as the open-parameter-file command does")
      ->type_name("FILE.PAT")
      ->group("Parameters");
}

int ApplyParameters(const ReduceOptions& o, ReduceSession& s) {
  if (!o.params.empty()) {
    if (!LoadParameterFile(o.params, s.ws.params).Report(s.ui)) return kExitFailed;
    s.doc->LoadParametersIntoSetup();
    s.ws.Clear(kParamFileFound);
    s.ws.Set(kHandPickedParams | kBridgeParams);
  }
  return kExitDone;
}

}  // namespace velk::cli
