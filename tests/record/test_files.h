#pragma once
// A temporary folder per test, removed afterwards, and the texts of small recorder files.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace velk {

class TempDir {
 public:
  TempDir() {
    std::random_device rd;
    m_path = std::filesystem::temp_directory_path() /
             ("velk-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(m_path);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return m_path; }
  std::string Write(const std::string& name, const std::string& bytes) const {
    const auto p = m_path / name;
    std::ofstream(p, std::ios::binary) << bytes;
    return p.string();
  }

 private:
  std::filesystem::path m_path;
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

inline std::vector<double> Ramp(int n, double from, double step = 1.0) {
  std::vector<double> v(n);
  for (int i = 0; i < n; ++i) v[i] = from + step * i;
  return v;
}

// A CS20000 file is its samples to the end of the file; a Tektronix text file has the record
// length and three header numbers before them.
inline std::string CsText(const std::vector<double>& samples) {
  std::ostringstream s;
  s.precision(17);
  for (double v : samples) s << v << "\n";
  return s.str();
}
inline std::string TekText(int declared, const std::vector<double>& samples) {
  return std::to_string(declared) + "\n0\n0\n0\n" + CsText(samples);
}

}  // namespace velk
