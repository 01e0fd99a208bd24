#include "cli/reduce_cli.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "../record/test_files.h"
#include "record/param_file.h"
#include "record/reader.h"

namespace velk::cli {
namespace {

struct CliRun {
  int status = -1;
  std::string out, err;
};

CliRun Reduce(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  CliRun r;
  r.status = RunReduce(args, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

const std::string kData = std::string(VELK_TEST_DATA) + "/realdata/";

TEST(ReduceCli, UsageErrorsExitTwoWithAUsageLine) {
  const std::vector<std::vector<std::string>> bad = {{},
                                                     {"--bogus"},
                                                     {"--tek", "a"},
                                                     {"--tek", "a", "b", "c"},
                                                     {"--tek", "a", "b", "--record", "c"},
                                                     {"--cs", "a", "b", "--tek", "c", "d"},
                                                     {"--record", "r", "--start", "1", "1"},
                                                     {"--tek", "a", "b", "--start", "1"},
                                                     {"--tek", "a", "b", "--start", "x", "1"},
                                                     {"--record"},
                                                     {"--json"}};
  for (const auto& args : bad) {
    const CliRun r = Reduce(args);
    EXPECT_EQ(r.status, kExitUsage) << testing::PrintToString(args);
    EXPECT_NE(r.err.find("Usage: velk-reduce"), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());
  }
  const CliRun help = Reduce({"--help"});
  EXPECT_EQ(help.status, kExitDone);
  EXPECT_NE(help.out.find("--tek"), std::string::npos);
}

TEST(ReduceCli, TektronixSummaryHasExactDoublesAndNullsForWhatIsNotKnown) {
  const CliRun r = Reduce({"--tek", kData + "epoxy01_inc.txt", kData + "epoxy01_tr.txt", "--start",
                           "100", "0", "--json"});
  ASSERT_EQ(r.status, kExitDone) << r.err;
  EXPECT_TRUE(r.err.empty());
  const auto j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["point_count"], 19900);
  EXPECT_EQ(j["baselines"], nlohmann::json({0, 199, 0, 199}));
  EXPECT_EQ(j["flags"], kTektronixSource | kWavesLoaded);
  EXPECT_TRUE(j["windows"].is_null());
  EXPECT_TRUE(j["last_result_index"].is_null());
  EXPECT_EQ(j["window_indices"], nlohmann::json({0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(j["model"], 0);
  EXPECT_EQ(j["conversion_factors"][0].get<double>(), 476.1904761904762);

  // The means read back bit for bit what the program computed.
  Workspace ws;
  CVelkDoc doc(ws);
  ScriptedInteraction ui;
  ws.waveOpen = {kData + "epoxy01_inc.txt", kData + "epoxy01_tr.txt", 100, 0};
  ASSERT_EQ(ReadTektronixWaves(doc, ui), kReadOk);
  EXPECT_EQ(j["baseline_means"][0].get<double>(), doc.m_incBaseMean);
  EXPECT_EQ(j["baseline_means"][1].get<double>(), doc.m_trBaseMean);
  // Printed as "%.17g" prints them.
  char text[64];
  std::snprintf(text, sizeof text, "[%.17g,%.17g]", doc.m_incBaseMean, doc.m_trBaseMean);
  EXPECT_NE(r.out.find(text), std::string::npos) << r.out;
  // Without --json nothing is printed.
  EXPECT_EQ(Reduce({"--tek", kData + "cu273K_inc.txt", kData + "cu273K_tr.txt"}).out, "");
}

TEST(ReduceCli, UnreadableDataExitsOneWithTheProgramsMessage) {
  const CliRun missing = Reduce({"--tek", kData + "cu273K_inc.txt", "/no/such/file", "--json"});
  EXPECT_EQ(missing.status, kExitFailed);
  EXPECT_EQ(missing.err, "velk-reduce: Open file /no/such/file fault!\n");
  EXPECT_TRUE(missing.out.empty());

  const CliRun beyond =
      Reduce({"--tek", kData + "cu273K_inc.txt", kData + "cu273K_tr.txt", "--start", "5001", "0"});
  EXPECT_EQ(beyond.status, kExitFailed);
  EXPECT_EQ(beyond.err, "velk-reduce: Alloc memory fault\n");

  const CliRun negative =
      Reduce({"--cs", kData + "cu273K_inc.txt", kData + "cu273K_tr.txt", "--start", "-1", "0"});
  EXPECT_EQ(negative.status, kExitFailed);
  EXPECT_NE(negative.err.find("开始点不能为负数。"), std::string::npos);

  TempDir dir;
  const CliRun empty = Reduce({"--record", dir.Write("E.DAT", "")});
  EXPECT_EQ(empty.status, kExitFailed);
  EXPECT_NE(empty.err.find("中没有数据"), std::string::npos);

  const CliRun badParams = Reduce({"--record", dir.Write("F.DAT", "600\n500\n"), "--params",
                                   (dir.path() / "none.PAT").string()});
  EXPECT_EQ(badParams.status, kExitFailed);
  EXPECT_EQ(badParams.err, "velk-reduce: 打开文档失败。\n");
}

TEST(ReduceCli, RecordFileLoadsTheParameterFileBesideItAndSavesParameters) {
  TempDir dir;
  std::string lines;
  for (int i = 0; i < 400; ++i) lines += i < 200 ? "612\n" : "500\n";
  const std::string record = dir.Write("T1.DAT", lines);
  // Written by hand with a capitalised name: found all the same.
  dir.Write("T1.PAT",
            "5065.000000 71420.000000 1256.637040 300.000000 250.000000 8.000000 500.000000 "
            "2.100000 1.000000 8.000000 500.000000 2.100000 1.000000 \n"
            "6.000000 3.000000 0.000000 0.000000 0.080000 0.000000 0.000000 \n"
            "1 2 3 4 5 6 \n");
  const std::string saved = (dir.path() / "out.PAT").string();
  const CliRun r = Reduce({"--record", record, "--save-params", saved, "--json"});
  ASSERT_EQ(r.status, kExitDone) << r.err;
  const auto j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["flags"], kParamFileFound | kBridgeParams | kRecordFileSource | kWavesLoaded);
  EXPECT_EQ(j["point_count"], 200);
  EXPECT_EQ(j["baseline_means"], nlohmann::json({100.0, -12.0}));
  EXPECT_EQ(j["conversion_factors"], nlohmann::json({300.0, 250.0}));
  EXPECT_EQ(j["window_indices"], nlohmann::json({1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(j["bar"]["wave_speed"], 5065.0);
  EXPECT_EQ(j["bar"]["area"].get<double>(), 1256.63704);
  EXPECT_EQ(ReadBytes(saved),
            "5065.000000 71420.000000 1256.637040 300.000000 250.000000 8.000000 500.000000 "
            "2.100000 1.000000 8.000000 500.000000 2.100000 1.000000 \n"
            "6.000000 3.000000 0.000000 0.000000 0.080000 0.000000 0.000000 \n"
            "1 2 3 4 5 6 \n");

  // A hand-picked parameter file replaces the found one's flag.
  const std::string other = dir.Write("other.pat", "5122 198646 5026.54816\n\n9 9 9 9 9 9\n");
  const CliRun h = Reduce({"--record", record, "--params", other, "--json"});
  ASSERT_EQ(h.status, kExitDone) << h.err;
  const auto k = nlohmann::json::parse(h.out);
  EXPECT_EQ(k["flags"], kHandPickedParams | kBridgeParams | kRecordFileSource | kWavesLoaded);
  EXPECT_EQ(k["window_indices"], nlohmann::json({9, 9, 9, 9, 9, 9}));

  const CliRun cannotSave =
      Reduce({"--record", record, "--save-params", (dir.path() / "no/x.PAT").string()});
  EXPECT_EQ(cannotSave.status, kExitFailed);
  EXPECT_EQ(cannotSave.err, "velk-reduce: 保存文档失败。\n");
}

}  // namespace
}  // namespace velk::cli
