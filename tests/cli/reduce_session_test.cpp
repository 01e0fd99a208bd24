// velk-reduce --save-session and --session: a run written as a session and replayed gives the
// same result files byte for byte, on every bundled sample, compute model and window method.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "../record/test_files.h"
#include "cli/reduce_cli.h"

namespace velk::cli {
namespace {

const std::string kSamples = std::string(VELK_SOURCE_DIR) + "/samples/";

struct Outcome {
  int status = -1;
  std::string out, err;
};

Outcome Reduce(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  Outcome r;
  r.status = RunReduce(args, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(ReduceSession, ReplayGivesTheSameResultFilesForEverySampleModelAndMethod) {
  const std::vector<std::vector<std::string>> inputs = {
      {"--tek", kSamples + "tek/T1_inc.txt", kSamples + "tek/T1_tr.txt", "--params",
       kSamples + "tek/T1.PAT"},
      {"--tek", kSamples + "tek2/T2_inc.txt", kSamples + "tek2/T2_tr.txt", "--params",
       kSamples + "tek2/T2.PAT"},
      {"--record", kSamples + "record/S1.DAT"}};
  TempDir dir;
  const std::string session = (dir.path() / "s.velks").string();
  auto out = [&](const std::string& name) { return (dir.path() / name).string(); };
  for (const auto& input : inputs) {
    // The automatic windows give picks inside each pulse and windows to type.
    const Outcome probe = Reduce(Join(input, {"--method", "2", "--json"}));
    ASSERT_EQ(probe.status, kExitDone) << probe.err;
    const auto w = nlohmann::json::parse(probe.out)["windows"].get<std::vector<int>>();
    std::vector<std::string> windows, picks;
    for (int v : w) windows.push_back(std::to_string(v));
    for (int k = 0; k < 3; ++k) picks.push_back(std::to_string((w[2 * k] + w[2 * k + 1]) / 2));
    const std::vector<std::vector<std::string>> methods = {
        Join({"--method", "1", "--picks"}, picks),
        {"--method", "2"},
        Join({"--method", "3", "--windows"}, windows)};
    for (int model = 0; model <= 4; ++model) {
      for (const auto& method : methods) {
        const std::string what = input[1] + " model " + std::to_string(model) + " " + method[1];
        const auto tools = Join(method, {"--model", std::to_string(model), "--smooth", "3",
                                         "--straighten", "100", "--smooth", "2", "--cut", "400"});
        const Outcome first =
            Reduce(Join(Join(input, tools), {"--dt3", out("a.DT3"), "--dt4", out("a.DT4"), "--json",
                                             "--save-session", session}));
        ASSERT_EQ(first.status, kExitDone) << what << ": " << first.err;
        const Outcome replay =
            Reduce({"--session", session, "--dt3", out("b.DT3"), "--dt4", out("b.DT4"), "--json"});
        ASSERT_EQ(replay.status, kExitDone) << what << ": " << replay.err;
        EXPECT_EQ(ReadBytes(out("a.DT3")), ReadBytes(out("b.DT3"))) << what;
        EXPECT_EQ(ReadBytes(out("a.DT4")), ReadBytes(out("b.DT4"))) << what;
        EXPECT_EQ(first.out, replay.out) << what;
      }
    }
  }
}

TEST(ReduceSession, ASessionSurvivesMovingItsFolderAndRefusesChangedInputs) {
  TempDir dir;
  const auto a = dir.path() / "a";
  std::filesystem::create_directories(a / "data");
  for (const char* f : {"T1_inc.txt", "T1_tr.txt", "T1.PAT"}) {
    std::filesystem::copy_file(kSamples + "tek/" + f, a / "data" / f);
  }
  const std::string d = (a / "data").string() + "/";
  ASSERT_EQ(Reduce({"--tek", d + "T1_inc.txt", d + "T1_tr.txt", "--params", d + "T1.PAT", "--dt3",
                    (a / "a.DT3").string(), "--save-session", (a / "s.velks").string()})
                .status,
            kExitDone);
  EXPECT_NE(ReadBytes((a / "s.velks").string()).find("\"data/T1_inc.txt\""), std::string::npos);

  const auto b = dir.path() / "moved";
  std::filesystem::rename(a, b);
  const Outcome moved =
      Reduce({"--session", (b / "s.velks").string(), "--dt3", (b / "b.DT3").string()});
  ASSERT_EQ(moved.status, kExitDone) << moved.err;
  EXPECT_EQ(ReadBytes((b / "a.DT3").string()), ReadBytes((b / "b.DT3").string()));

  // One sample changed in the incident file: the session is refused, not replayed to other curves.
  std::string inc = ReadBytes((b / "data/T1_inc.txt").string());
  inc[inc.find('\n', inc.size() / 2) + 3] ^= 1;  // a digit after the point
  std::ofstream((b / "data/T1_inc.txt"), std::ios::binary) << inc;
  const Outcome changed = Reduce({"--session", (b / "s.velks").string(), "--json"});
  EXPECT_EQ(changed.status, kExitFailed);
  EXPECT_NE(changed.err.find("s.velks"), std::string::npos) << changed.err;
  EXPECT_TRUE(changed.out.empty());
}

TEST(ReduceSession, ATypedWindowBeyondTheChannelReplaysAsTheRunWent) {
  // The typed windows are taken as typed and cut to the channel where they are used, so a session
  // must replay them the same way rather than refuse what the program itself accepted.
  TempDir dir;
  const std::string t = kSamples + "tek/";
  const std::string session = (dir.path() / "s.velks").string();
  const std::string a = (dir.path() / "a.DT3").string(), b = (dir.path() / "b.DT3").string();
  ASSERT_EQ(Reduce({"--tek", t + "T1_inc.txt", t + "T1_tr.txt", "--params", t + "T1.PAT",
                    "--method", "3", "--windows", "405", "1028", "1379", "1981", "1192", "99999",
                    "--dt3", a, "--save-session", session})
                .status,
            kExitDone);
  const Outcome replayed = Reduce({"--session", session, "--dt3", b});
  ASSERT_EQ(replayed.status, kExitDone) << replayed.err;
  EXPECT_EQ(ReadBytes(a), ReadBytes(b));
}

TEST(ReduceSession, TheDispersionCorrectionIsReplayed) {
  TempDir dir;
  const std::string t = kSamples + "tek/";
  const std::string session = (dir.path() / "s.velks").string();
  const std::string a = (dir.path() / "a.DT3").string(), b = (dir.path() / "b.DT3").string();
  ASSERT_EQ(Reduce({"--tek", t + "T1_inc.txt", t + "T1_tr.txt", "--params", t + "T1.PAT",
                    "--method", "2", "--dispersion", "--gauge-distance-inc", "1000",
                    "--gauge-distance-tr", "500", "--dt3", a, "--save-session", session})
                .status,
            kExitDone);
  const Outcome replayed = Reduce({"--session", session, "--dt3", b});
  ASSERT_EQ(replayed.status, kExitDone) << replayed.err;
  EXPECT_EQ(ReadBytes(a), ReadBytes(b));
}

TEST(ReduceSession, LayoutCorrectionsOfADelimitedFileAreReplayed) {
  TempDir dir;
  // Detection fails on this file: its first line reads as a row of two numbers.
  const std::string file = dir.Write("run7.txt", "7\t2026\n0\t1,5\t-2\n1\t2,5\t3\n2\t3,5\t4\n");
  const std::string session = (dir.path() / "s.velks").string();
  const std::string first = (dir.path() / "a.csv").string();
  ASSERT_EQ(
      Reduce({"--inc", file, "--tr", file, "--tr-channel", "2", "--header-rows", "1", "--time-unit",
              "us", "--channel-unit", "mV", "--waves-csv", first, "--save-session", session})
          .status,
      kExitDone);
  const std::string again = (dir.path() / "b.csv").string();
  const Outcome replayed = Reduce({"--session", session, "--waves-csv", again});
  ASSERT_EQ(replayed.status, kExitDone) << replayed.err;
  EXPECT_EQ(ReadBytes(first), ReadBytes(again));
}

}  // namespace
}  // namespace velk::cli
