#pragma once
// Reads a workbook back with Debian's python3 and its openpyxl (the scripts install
// python3-openpyxl; the machine's first python3 may be another one without it).

#include <cstdio>
#include <string>

namespace velk::testing {

// Runs `script` with `wb` bound to the workbook at path; its stdout and stderr.
inline std::string ReadWithOpenpyxl(const std::string& path, const std::string& script) {
  const std::string cmd =
      "/usr/bin/python3 -c 'import sys, openpyxl\nwb = openpyxl.load_workbook(sys.argv[1])\n" +
      script + "' " + path + " 2>&1";
  std::string out;
  FILE* p = popen(cmd.c_str(), "r");
  if (p == nullptr) return "popen failed";
  char buf[512];
  while (fgets(buf, sizeof buf, p) != nullptr) out += buf;
  pclose(p);
  return out;
}

}  // namespace velk::testing
