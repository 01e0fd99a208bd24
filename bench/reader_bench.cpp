// Reading a Tektronix file pair, from 10,000 to 10,000,000 samples per channel: the time per
// sample must stay flat (reading is linear in the file size). A pair of binary ISF files of the
// same lengths must read no slower per sample than the text files.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <string>

#include "record/reader.h"
#include "record/recording_install.h"
#include "record/scripted_interaction.h"
#include "record/velk_doc.h"

namespace {

namespace fs = std::filesystem;

// One pair of files per size, written once into a temporary folder and removed at exit.
struct PairFiles {
  fs::path dir;
  std::map<int, std::pair<std::string, std::string>> pairs;

  ~PairFiles() {
    std::error_code ec;
    if (!dir.empty()) fs::remove_all(dir, ec);
  }

  const std::pair<std::string, std::string>& Get(int n) {
    if (dir.empty()) {
      dir = fs::temp_directory_path() /
            ("velk-reader-bench-" + std::to_string(std::random_device{}()));
      fs::create_directories(dir);
    }
    auto it = pairs.find(n);
    if (it != pairs.end()) return it->second;
    auto write = [&](const std::string& name, double amplitude) {
      const std::string path = (dir / name).string();
      FILE* f = std::fopen(path.c_str(), "w");
      std::fprintf(f, "%d\n0\n0\n0\n", n);
      std::mt19937 rng(n);
      std::uniform_real_distribution<double> noise(-0.02, 0.02);
      // Scope-like text: 8-bit steps and a pulse, in volts with up to six decimals.
      for (int i = 0; i < n; ++i) {
        const double pulse = (i % 20000 > 2400 && i % 20000 < 5600) ? amplitude : 0.0;
        std::fprintf(f, "%.6g\n", pulse + noise(rng));
      }
      std::fclose(f);
      return path;
    };
    return pairs[n] = {write("inc" + std::to_string(n) + ".txt", 1.82),
                       write("tr" + std::to_string(n) + ".txt", 0.65)};
  }
};

PairFiles files;

// ISF pairs (2-byte big-endian samples) of the same shape as the text files.
struct IsfFiles {
  fs::path dir;
  std::map<int, std::pair<std::string, std::string>> pairs;
  ~IsfFiles() {
    std::error_code ec;
    if (!dir.empty()) fs::remove_all(dir, ec);
  }
  const std::pair<std::string, std::string>& Get(int n) {
    if (dir.empty()) {
      dir =
          fs::temp_directory_path() / ("velk-isf-bench-" + std::to_string(std::random_device{}()));
      fs::create_directories(dir);
    }
    auto it = pairs.find(n);
    if (it != pairs.end()) return it->second;
    auto write = [&](const std::string& name, double amplitude) {
      const std::string path = (dir / name).string();
      std::string data(2 * static_cast<std::size_t>(n), '\0');
      std::mt19937 rng(n);
      std::uniform_int_distribution<int> noise(-256, 256);
      for (int i = 0; i < n; ++i) {
        const int pulse =
            (i % 20000 > 2400 && i % 20000 < 5600) ? static_cast<int>(amplitude * 12800) : 0;
        const auto raw = static_cast<std::uint16_t>(pulse + noise(rng));
        data[2 * static_cast<std::size_t>(i)] = static_cast<char>(raw >> 8);
        data[2 * static_cast<std::size_t>(i) + 1] = static_cast<char>(raw & 0xFF);
      }
      const std::string length = std::to_string(data.size());
      FILE* f = std::fopen(path.c_str(), "wb");
      std::fprintf(f,
                   ":WFMPRE:BYT_NR 2;BN_FMT RI;BYT_OR MSB;ENCDG BIN;NR_PT %d;XINCR 2.0E-7;"
                   "YMULT 7.8125E-5;YOFF 0;YZERO 0;:CURVE #%zu%s",
                   n, length.size(), length.c_str());
      std::fwrite(data.data(), 1, data.size(), f);
      std::fclose(f);
      return path;
    };
    return pairs[n] = {write("inc" + std::to_string(n) + ".isf", 1.82),
                       write("tr" + std::to_string(n) + ".isf", 0.65)};
  }
};

IsfFiles isfFiles;

void BM_ReadTektronixPair(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const auto& [inc, tr] = files.Get(n);
  const auto bytes = fs::file_size(inc) + fs::file_size(tr);
  for (auto _ : state) {
    velk::Workspace ws;
    velk::CVelkDoc doc(ws);
    velk::ScriptedInteraction ui;
    ws.waveOpen = {inc, tr, 0, 0};
    if (velk::ReadTektronixWaves(doc, ui) != velk::kReadOk || doc.m_pointCount != n) {
      state.SkipWithError("read failed");
      break;
    }
    benchmark::DoNotOptimize(doc.m_rawTr.data());
  }
  state.SetComplexityN(n);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
  state.counters["samples/s"] =
      benchmark::Counter(2.0 * n, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ReadTektronixPair)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Arg(10000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_ReadIsfPair(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const auto& [inc, tr] = isfFiles.Get(n);
  const auto bytes = fs::file_size(inc) + fs::file_size(tr);
  for (auto _ : state) {
    velk::Workspace ws;
    velk::CVelkDoc doc(ws);
    velk::ScriptedInteraction ui;
    velk::RecordingPairReader reader({inc, velk::RecordingFormat::kAuto, "", 0},
                                     {tr, velk::RecordingFormat::kAuto, "", 0});
    if (reader.Read(doc, ui) != velk::kReadOk || doc.m_pointCount != n) {
      state.SkipWithError("read failed");
      break;
    }
    benchmark::DoNotOptimize(doc.m_rawTr.data());
  }
  state.SetComplexityN(n);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
  state.counters["samples/s"] =
      benchmark::Counter(2.0 * n, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ReadIsfPair)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Arg(10000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
