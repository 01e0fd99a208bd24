// The two channel files are read at once; what the operator is told must not depend on which
// finished first.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "record/reader.h"
#include "record/scripted_interaction.h"
#include "record/velk_doc.h"
#include "test_files.h"

namespace velk {
namespace {

TEST(ParallelRead, FailuresAreReportedInChannelOrderAndTheRecordIsUntouched) {
  TempDir dir;
  std::string tek = "300 0 0 0";
  for (int i = 0; i < 300; ++i) tek += " " + std::to_string(i);
  const std::string good = dir.Write("good.txt", tek);
  const std::string missing = (dir.path() / "missing.txt").string();
  const std::string folder = dir.path().string();
  struct Case {
    bool cs;
    std::string inc, tr;
    int sInc;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {false, missing, folder, 0, {"Open file " + missing + " fault!"}},
      {false, good, missing, 0, {"Open file " + missing + " fault!"}},
      {false, folder, good, 0, {"Open file " + folder + " fault!"}},
      // The incident start point beyond its record is the incident's failure, named first.
      {false, good, missing, 301, {"Alloc memory fault"}},
      {true, missing, folder, 0, {"Open file " + missing + " fault!"}},
      {true, good, folder, 0, {"Open file " + folder + " fault!"}},
  };
  for (const Case& c : cases) {
    // Many rounds, so that either file may be the one finished first.
    for (int round = 0; round < 20; ++round) {
      Workspace ws;
      CVelkDoc doc(ws);
      ScriptedInteraction ui;
      ws.waveOpen = {c.inc, c.tr, c.sInc, 0};
      ASSERT_EQ(c.cs ? ReadCs20000Waves(doc, ui) : ReadTektronixWaves(doc, ui), kReadFailed);
      ASSERT_EQ(ui.messages, c.messages) << c.inc << " " << c.tr;
      EXPECT_TRUE(doc.m_rawInc.empty() && doc.m_rawTr.empty());
      EXPECT_EQ(ws.flags, 0u);
    }
  }
}

}  // namespace
}  // namespace velk
