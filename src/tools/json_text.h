#pragma once
// JSON text as the batch command writes it: nlohmann's compact form, but every double with 17
// significant digits, so that the value read back is the program's value bit for bit, and a
// value that is not finite as null.

#include <nlohmann/json.hpp>
#include <string>

namespace velk {

using Json = nlohmann::ordered_json;

void DumpJson(const Json& j, std::string& out);
std::string JsonText(const Json& j);

// "%.17g" in the C locale; the CSV files use the same digits as the JSON.
std::string ExactNumber(double v);

}  // namespace velk
