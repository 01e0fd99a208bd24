#pragma once
// The command "对比(&C)...": opens the comparison window, or raises it when it is open.

#include "app/command_table.h"

namespace velk {

void OnCompare(CommandContext& ctx);

}  // namespace velk
