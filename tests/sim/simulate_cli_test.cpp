#include "cli/simulate_cli.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "record/param_file.h"
#include "record/reader.h"
#include "record/scripted_interaction.h"
#include "record/velk_doc.h"

namespace velk::sim {
namespace {

namespace fs = std::filesystem;

struct SimRun {
  int status;
  std::string out, err;
};

SimRun Simulate(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int status = RunSimulate(args, out, err);
  return {status, out.str(), err.str()};
}

fs::path Dir() {
  const auto dir = fs::temp_directory_path() / "velk_sim_cli_test";
  fs::create_directories(dir);
  return dir;
}

std::vector<std::string> Lines(const fs::path& p) {
  std::ifstream f(p);
  std::vector<std::string> lines;
  for (std::string l; std::getline(f, l);) lines.push_back(l);
  return lines;
}

TEST(SimulateCli, UsageErrorsExitTwoWithAMessage) {
  const std::string a = (Dir() / "a.txt").string(), b = (Dir() / "b.txt").string();
  for (const auto& args : std::vector<std::vector<std::string>>{
           {},                                             // no output chosen
           {"--tek", a, b, "--cs", a, b},                  // two outputs
           {"--tek", a, b, "--striker-velocity", "fast"},  // not a number
           {"--tek", a, b, "--factor-inc", "5", "--bridge-inc", "1", "8", "500", "2.1"},
           {"--tek", a, b, "--striker-velocity", "0"},  // a test that cannot be simulated
           {"--tek", a, b, "--bits", "12"},             // quantisation without a range
           {"--record", a, "--decimals", "9"},
       }) {
    const SimRun r = Simulate(args);
    EXPECT_EQ(r.status, 2) << testing::PrintToString(args);
    EXPECT_NE(r.err.find("velk-simulate: "), std::string::npos) << r.err;
  }
  EXPECT_EQ(Simulate({"--help"}).status, 0);
}

TEST(SimulateCli, WritesChannelsAndTruthAndReportsWhereThePulsesAre) {
  const auto inc = Dir() / "inc.txt", tr = Dir() / "tr.txt", truth = Dir() / "truth.txt";
  const SimRun r = Simulate({"--tek",     inc.string(),   tr.string(), "--truth", truth.string(),
                             "--samples", "3000",         "--noise",   "0.002",   "--seed",
                             "7",         "--bridge-inc", "1",         "8",       "500",
                             "2.1",       "--bridge-tr",  "2",         "8",       "500",
                             "2.1",       "--offset-tr",  "0.1"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("true windows (is ie rs re ts te): 400 "), std::string::npos) << r.out;
  const auto li = Lines(inc), lt = Lines(tr);
  ASSERT_EQ(li.size(), 3004u);
  ASSERT_EQ(lt.size(), 3004u);
  EXPECT_EQ(li[0], "3000");
  // Incident plateau: 15 / (2 x 5122) strain at 476.19 microstrain per volt; the transmission
  // channel has twice the arms, so half the volts per microstrain, and sits 0.1 V up.
  EXPECT_NEAR(std::stod(li[4 + 700]), 15.0 / 10244 * 1e6 / 476.1904761904762, 0.01);
  EXPECT_NEAR(std::stod(lt[4 + 100]), 0.1, 0.01);
  ASSERT_GT(Lines(truth).size(), 500u);
  EXPECT_EQ(Lines(truth)[0], "0.00000000 0.000000");
}

TEST(SimulateCli, RecordFileHoldsBothChannelsPlus512) {
  const auto rec = Dir() / "S9.DAT";
  const SimRun r = Simulate({"--record", rec.string(), "--samples", "2500", "--factor-inc", "5",
                             "--factor-tr", "5", "--bits", "10", "--range", "1024"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = Lines(rec);
  ASSERT_EQ(lines.size(), 5000u);
  EXPECT_EQ(lines[2500], "512");
  // Incident plateau 1464.27 microstrain at 5 per unit: 293 units above 512.
  EXPECT_EQ(lines[400 + 300], "805");

  // The program's reader takes the file as the recorder wrote it, and the parameter file beside
  // it describes the test, true windows included.
  Workspace ws;
  CVelkDoc doc(ws);
  ScriptedInteraction ui;
  ASSERT_EQ(RecordFileReader(rec.string()).Read(doc, ui), kReadOk);
  EXPECT_DOUBLE_EQ(doc.m_rawInc[700], 293.0);
  const auto pat = Dir() / "S9.PAT";
  EXPECT_EQ(FindParameterFileBeside(rec.string()), pat.string());
  TestParameters p;
  ASSERT_TRUE(LoadParameterFile(pat.string(), p));
  EXPECT_FLOAT_EQ(static_cast<float>(p.channel[kIncident].factor), 5.0f);
  EXPECT_FLOAT_EQ(p.specimenThicknessMm, 4.0f);
  std::string windows;
  for (int w : p.windowIndices) windows += " " + std::to_string(w);
  EXPECT_NE(r.out.find("te):" + windows + "\n"), std::string::npos) << r.out;
}

TEST(SimulateCli, UnwritableOutputExitsOne) {
  const SimRun r = Simulate({"--cs", "/nonexistent-dir/a", "/nonexistent-dir/b"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("/nonexistent-dir/a"), std::string::npos);
}

}  // namespace
}  // namespace velk::sim
