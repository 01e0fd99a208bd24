#pragma once
// The uncertainty run as the summary file's "uncertainty" object: the inputs used, the draws and
// seed, and per summary value its value, 95 % band, standard uncertainty and sensitivities.

#include "tools/json_text.h"

namespace velk {

struct ResultUncertainty;

Json UncertaintyToJson(const ResultUncertainty& u);

}  // namespace velk
