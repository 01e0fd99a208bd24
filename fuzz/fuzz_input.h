#pragma once
// Turns one fuzz input into the files a reader takes. An input is a few control bytes followed by
// one or two file images; two images are separated by kSplit, so a seed is plain text a person can
// read and edit.

#include <stdlib.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace velk::fuzz {

inline constexpr std::string_view kSplit = "\n=====\n";

// The bytes of an input, consumed from the front.
struct Input {
  std::string_view rest;

  // The next control byte, 0 when the input has run out.
  std::uint8_t Byte() {
    if (rest.empty()) return 0;
    const auto b = static_cast<std::uint8_t>(rest.front());
    rest.remove_prefix(1);
    return b;
  }
  // The two file images of what is left; the second is empty when there is no separator.
  std::pair<std::string_view, std::string_view> Files() const {
    const std::size_t at = rest.find(kSplit);
    if (at == std::string_view::npos) return {rest, {}};
    return {rest.substr(0, at), rest.substr(at + kSplit.size())};
  }
  // Up to three file images; the missing ones are empty.
  std::array<std::string_view, 3> ThreeFiles() const {
    std::array<std::string_view, 3> out{};
    std::string_view r = rest;
    for (std::size_t k = 0; k < out.size(); ++k) {
      const std::size_t at = k + 1 < out.size() ? r.find(kSplit) : std::string_view::npos;
      out[k] = r.substr(0, at);
      if (at == std::string_view::npos) break;
      r.remove_prefix(at + kSplit.size());
    }
    return out;
  }
};

// One scratch folder per fuzzing process, in memory when /dev/shm exists.
inline const std::string& ScratchDir() {
  static const std::string dir = [] {
    std::string t =
        access("/dev/shm", W_OK) == 0 ? "/dev/shm/velk-fuzz-XXXXXX" : "/tmp/velk-fuzz-XXXXXX";
    if (mkdtemp(t.data()) == nullptr) abort();
    return t;
  }();
  return dir;
}

// Writes bytes to name in the scratch folder and returns its path.
inline std::string WriteScratch(const std::string& name, std::string_view bytes) {
  const std::string path = ScratchDir() + "/" + name;
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) abort();
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) abort();
  std::fclose(f);
  return path;
}

}  // namespace velk::fuzz
