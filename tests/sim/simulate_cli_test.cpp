#include "cli/simulate_cli.h"

#include <gtest/gtest.h>

#include <sstream>

#include "../record/test_files.h"
#include "record/param_file.h"
#include "record/reader.h"
#include "record/scripted_interaction.h"
#include "record/velk_doc.h"

namespace velk::sim {
namespace {

struct SimRun {
  int status;
  std::string out, err;
};

SimRun Simulate(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int status = RunSimulate(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(SimulateCli, UsageErrorsExitTwoWithAMessage) {
  const std::string a = "a.txt", b = "b.txt";  // never written: the command line is refused
  for (const auto& args : std::vector<std::vector<std::string>>{
           {},                                             // no output chosen
           {"--tek", a, b, "--cs", a, b},                  // two outputs
           {"--tek", a, b, "--striker-velocity", "fast"},  // not a number
           {"--tek", a, b, "--striker-velocity", "0"},     // a test that cannot be simulated
           {"--tek", a, b, "--bits", "12"},                // quantisation without a range
       }) {
    const SimRun r = Simulate(args);
    EXPECT_EQ(r.status, 2) << testing::PrintToString(args);
    EXPECT_NE(r.err.find("velk-simulate: "), std::string::npos) << r.err;
  }
  EXPECT_EQ(Simulate({"--help"}).status, 0);
}

TEST(SimulateCli, RecordFileHoldsBothChannelsPlus512) {
  const TempDir dir;
  const auto rec = dir.path() / "S9.DAT";
  const SimRun r = Simulate({"--record", rec.string(), "--samples", "2500", "--factor-inc", "5",
                             "--factor-tr", "5", "--bits", "10", "--range", "1024"});
  ASSERT_EQ(r.status, 0) << r.err;
  std::istringstream text(ReadBytes(rec.string()));
  std::vector<std::string> lines;
  for (std::string l; std::getline(text, l);) lines.push_back(l);
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
  const auto pat = dir.path() / "S9.PAT";
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
