#include "tools/uncertainty_json.h"

#include "analysis/result_band.h"
#include "analysis/uncertainty_record.h"

namespace velk {

Json UncertaintyToJson(const ResultUncertainty& u) {
  const UncertaintyResult& r = u.result;
  Json inputs = Json::object();
  const nlohmann::json plain = u.inputs;
  // In the order of the dialog's fields, not nlohmann's sorted one.
  for (const UncertaintyField& f : UncertaintyFields()) inputs[f.key] = plain.at(f.key);
  Json values = Json::object();
  const auto& fields = StandardSummaryFields();
  for (std::size_t k = 0; k < fields.size() && k < r.scalars.size(); ++k) {
    const ScalarUncertainty& s = r.scalars[k];
    Json change = Json::object(), share = Json::object();
    for (int i = 0; i < kInputCount; ++i) {
      change[UncertaintyInputKey(i)] = s.changePerUnc[i];
      share[UncertaintyInputKey(i)] = s.varianceShare[i];
    }
    values[fields[k].key] = {{"value", s.value},
                             {"lower", s.lower},
                             {"upper", s.upper},
                             {"standard_uncertainty", s.standardUnc},
                             {"draws", s.draws},
                             {"sensitivities", std::move(change)},
                             {"variance_shares", std::move(share)}};
  }
  return {{"inputs", std::move(inputs)},    {"draws", u.options.draws},
          {"draws_used", r.drawsUsed},      {"seed", u.options.seed},
          {"coverage", u.options.coverage}, {"values", std::move(values)}};
}

}  // namespace velk
