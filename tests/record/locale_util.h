#pragma once
// Makes a German locale (decimal comma) current for tests that must prove the locale changes
// nothing, generating it into a temporary folder when the system has none.

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace velk {

// False when no such locale can be had on this machine.
inline bool UseDecimalCommaLocale() {
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
    if (std::setlocale(LC_ALL, name)) return true;
  }
  const auto dir = std::filesystem::temp_directory_path() / "velk-locale-test";
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  const auto where = dir / "de_DE.UTF-8";
  if (!std::filesystem::exists(where / "LC_NUMERIC", ec)) {
    const std::string cmd = "localedef -i de_DE -f UTF-8 '" + where.string() + "' >/dev/null 2>&1";
    if (std::system(cmd.c_str()) != 0 && !std::filesystem::exists(where / "LC_NUMERIC", ec)) {
      return false;
    }
  }
  setenv("LOCPATH", dir.c_str(), 1);
  const bool ok = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
  unsetenv("LOCPATH");
  return ok;
}

// Restores the "C" locale when a test ends, however it ends.
struct CLocaleAfterwards {
  ~CLocaleAfterwards() { std::setlocale(LC_ALL, "C"); }
};

}  // namespace velk
