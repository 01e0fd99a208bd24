#include "tools/json_text.h"

#include <charconv>
#include <cmath>

namespace velk {

std::string ExactNumber(double v) {
  char buf[40];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 17);
  return std::string(buf, r.ptr);
}

void DumpJson(const Json& j, std::string& out) {
  switch (j.type()) {
    case Json::value_t::number_float: {
      const double v = j.get<double>();
      out += std::isfinite(v) ? ExactNumber(v) : "null";
      break;
    }
    case Json::value_t::array: {
      out += '[';
      bool first = true;
      for (const Json& e : j) {
        if (!first) out += ',';
        first = false;
        DumpJson(e, out);
      }
      out += ']';
      break;
    }
    case Json::value_t::object: {
      out += '{';
      bool first = true;
      for (const auto& [key, value] : j.items()) {
        if (!first) out += ',';
        first = false;
        out += Json(key).dump();
        out += ':';
        DumpJson(value, out);
      }
      out += '}';
      break;
    }
    default:
      out += j.dump();
  }
}

std::string JsonText(const Json& j) {
  std::string out;
  DumpJson(j, out);
  return out;
}

}  // namespace velk
