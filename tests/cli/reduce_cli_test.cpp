// The reduction half of velk-reduce: usage, refusals, result files and summary. The option parser
// is CLI11's; accuracy against known answers is reduce_accuracy_test's; the malformed inputs are
// rows of tests/bad-input/catalogue.tsv.
#include "cli/reduce_cli.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "../record/test_files.h"
#include "record/reader.h"
#include "record/scripted_interaction.h"

namespace velk::cli {
namespace {

struct CliRun {
  int status = -1;
  std::string out, err;
  nlohmann::json Json() const { return nlohmann::json::parse(out); }
};

// The words of a command line, split at blanks, then `more`.
std::vector<std::string> Args(const std::string& line, std::vector<std::string> more = {}) {
  std::istringstream s(line);
  std::vector<std::string> args;
  for (std::string w; s >> w;) args.push_back(w);
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

CliRun Reduce(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  CliRun r;
  r.status = RunReduce(args, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

const std::string kSamples = std::string(VELK_SOURCE_DIR) + "/samples/";
const std::string kRecord = kSamples + "record/S1.DAT";
const std::string kData = std::string(VELK_TEST_DATA) + "/realdata/";

std::vector<std::string> Lines(const std::string& p) {
  std::istringstream s(ReadBytes(p));
  std::vector<std::string> lines;
  for (std::string l; std::getline(s, l);) lines.push_back(l);
  return lines;
}

TEST(ReduceCli, UsageErrorsExitTwoWithAUsageLine) {
  for (const char* line :
       {"", "--tek a", "--tek a b c", "--cs a b --tek c d", "--record r --start 1 1",
        "--tek a b --start x 1", "--json", "--demo --method 1", "--demo --picks 1 2 3",
        "--demo --method 1 --picks 1 2", "--demo --method 3", "--demo --windows 1 2 3 4 5 6",
        "--demo --bar-material 2", "--demo --baseline-inc 10 5", "--demo --smooth 3 4",
        "--demo --factor-inc 5 --bridge-inc 1 8 500 2.1", "--demo --bridge-tr 1 8 500",
        "--cs a b --bridge-inc 1 8 500 2.1", "--demo --straighten x"}) {
    const CliRun r = Reduce(Args(line));
    EXPECT_EQ(r.status, kExitUsage) << line;
    EXPECT_NE(r.err.find("Usage: velk-reduce"), std::string::npos) << line << ": " << r.err;
    EXPECT_TRUE(r.out.empty()) << line;
  }
  const CliRun help = Reduce({"--help"});
  EXPECT_EQ(help.status, kExitDone);
  EXPECT_NE(help.out.find("--tek"), std::string::npos);
}

TEST(ReduceCli, DataTheProgramRefusesExitsOneWithItsMessageAndKeepsEarlierFiles) {
  const CliRun missing = Reduce({"--tek", kData + "cu273K_inc.txt", "/no/such/file", "--json"});
  EXPECT_EQ(missing.status, kExitFailed);
  EXPECT_EQ(missing.err, "velk-reduce: Open file /no/such/file fault!\n");
  EXPECT_TRUE(missing.out.empty());
  for (auto [line, message] :
       {std::pair{"--demo --baseline-inc 0 3000", "runs past the last sample 2999"},
        {"--demo --method 1 --picks 0 0 0", "up to the picked point 0"}}) {
    const CliRun r = Reduce(Args(line));
    EXPECT_EQ(r.status, kExitFailed) << line;
    EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
  }
  // An output that cannot be written fails the run before the earlier one is replaced.
  const TempDir dir;
  const std::string earlier = dir.Write("earlier.DT2", "earlier\n");
  const CliRun bad = Reduce(Args("--demo --dt2", {earlier, "--dt3", "/no/such/dir/r.DT3"}));
  EXPECT_EQ(bad.status, kExitFailed);
  EXPECT_NE(bad.err.find("velk-reduce: "), std::string::npos);
  EXPECT_EQ(ReadBytes(earlier), "earlier\n");
}

TEST(ReduceCli, ResultFilesAndSummaryAgreeWithTheLibrary) {
  const TempDir dir;
  const std::string d2 = (dir.path() / "r.DT2").string(), d3 = (dir.path() / "r.DT3").string(),
                    d4 = (dir.path() / "r.DT4").string();
  const CliRun r = Reduce(
      Args("--record " + kRecord + " --json --method 3 --windows 400 1043 1388 2030 1194 1845",
           {"--dt2", d2, "--dt3", d3, "--dt4", d4}));
  ASSERT_EQ(r.status, kExitDone) << r.err;
  EXPECT_EQ(r.err, "");
  const auto j = r.Json();
  EXPECT_EQ(j["windows"], nlohmann::json({400, 1043, 1388, 2030, 1194, 1845}));
  EXPECT_EQ(j["last_result_index"], 1845 - 1194);
  // The summary reads back bit for bit what the program's reader computed.
  Workspace ws;
  CVelkDoc doc(ws);
  ScriptedInteraction ui;
  ASSERT_EQ(RecordFileReader(kRecord).Read(doc, ui), kReadOk);
  EXPECT_EQ(j["point_count"], doc.m_pointCount);
  EXPECT_EQ(j["baseline_means"][0].get<double>(), doc.m_incBaseMean);
  EXPECT_EQ(j["baseline_means"][1].get<double>(), doc.m_trBaseMean);

  // .DT2 is the first two columns of .DT3; .DT4 has as many rows.
  const std::size_t n = j["last_result_index"].get<std::size_t>() + 1;
  const auto l2 = Lines(d2), l3 = Lines(d3), l4 = Lines(d4);
  ASSERT_EQ(l2.size(), n);
  ASSERT_EQ(l3.size(), n);
  ASSERT_EQ(l4.size(), n);
  for (std::size_t i = 0; i < n; i += 50) EXPECT_EQ(l3[i].rfind(l2[i] + " ", 0), 0u) << i;
}

}  // namespace
}  // namespace velk::cli
