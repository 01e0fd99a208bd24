#pragma once
// Parameter menu "不确定度...": the uncertainty dialog on the active record, with the inputs the
// operator used last remembered between runs and sessions.

#include "app/command_table.h"

namespace velk {

void OnUncertaintyCommand(CommandContext& ctx);  // 32852

}  // namespace velk
