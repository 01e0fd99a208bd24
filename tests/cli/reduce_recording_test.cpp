// velk-reduce on instrument recordings: --describe, --inc/--tr with channels and --waves-csv.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "../record/test_files.h"
#include "cli/reduce_cli.h"

namespace velk::cli {
namespace {

const std::string kRealScope = std::string(VELK_TEST_DATA) + "/realscope/";

int Reduce(const std::vector<std::string>& args, std::string& out, std::string& err) {
  std::ostringstream o, e;
  const int status = RunReduce(args, o, e);
  out = o.str();
  err = e.str();
  return status;
}

TEST(ReduceRecording, DescribeGivesFormatChannelsAndLayout) {
  std::string out, err;
  ASSERT_EQ(Reduce({"--describe", kRealScope + "rigol_ds1054z_4ch.csv"}, out, err), 0) << err;
  const auto j = nlohmann::json::parse(out);
  EXPECT_EQ(j["format"], "csv");
  ASSERT_EQ(j["channels"].size(), 4u);
  EXPECT_EQ(j["channels"][2]["name"], "CH3");
  EXPECT_EQ(j["channels"][2]["points"], 1200);
  EXPECT_DOUBLE_EQ(j["channels"][2]["interval_s"].get<double>(), 5e-10);
  EXPECT_EQ(j["layout"]["header_rows"], 2);
  EXPECT_TRUE(j["layout"]["time_is_index"].get<bool>());
  // The format forced on a file it does not fit.
  EXPECT_EQ(Reduce({"--describe", kRealScope + "tek_mdo_ch1.isf", "--format", "trc"}, out, err), 1);
  EXPECT_NE(err.find("请指定文件格式"), std::string::npos) << err;
}

// A logger's file: a preamble line that looks like data, no header, time in µs, millivolts.
TEST(ReduceRecording, LayoutOptionsReachTheReaderForDescribeAndOpen) {
  TempDir dir;
  const std::string file = dir.Write("run7.txt", "7\t2026\n0\t1,5\t-2\n1\t2,5\t3\n2\t3,5\t4\n");
  std::string out, err;
  EXPECT_EQ(Reduce({"--describe", file}, out, err), 1);
  const std::vector<std::string> layout = {"--header-rows",  "1", "--time-unit", "us",
                                           "--channel-unit", "mV"};
  std::vector<std::string> args = {"--describe", file};
  args.insert(args.end(), layout.begin(), layout.end());
  ASSERT_EQ(Reduce(args, out, err), 0) << err;
  const auto j = nlohmann::json::parse(out);
  EXPECT_EQ(j["layout"]["header_rows"], 1);
  EXPECT_EQ(j["layout"]["decimal_mark"], ",");
  ASSERT_EQ(j["channels"].size(), 2u);
  EXPECT_DOUBLE_EQ(j["channels"][1]["interval_s"].get<double>(), 1e-6);

  const std::string waves = (dir.path() / "w.csv").string();
  args = {"--inc", file, "--tr", file, "--tr-channel", "2", "--waves-csv", waves};
  args.insert(args.end(), layout.begin(), layout.end());
  ASSERT_EQ(Reduce(args, out, err), 0) << err;
  EXPECT_NE(ReadBytes(waves).find("\n0,0,0.0015,-0.002\n1,1,0.0025,0.003\n"), std::string::npos);

  EXPECT_EQ(Reduce({"--describe", file, "--delimiter", "comma", "--decimal", "comma"}, out, err),
            1);
  EXPECT_NE(err.find("不能都是逗号"), std::string::npos) << err;
  EXPECT_EQ(Reduce({"--demo", "--header-rows", "1"}, out, err), 2);
  EXPECT_EQ(Reduce({"--describe", file, "--header-rows", "-1"}, out, err), 2);
}

TEST(ReduceRecording, OneFileTwiceWritesTheWavesAsReadWithTheFileInterval) {
  TempDir dir;
  const std::string waves = (dir.path() / "w.csv").string();
  const std::string file = kRealScope + "keysight_2ch.csv";
  std::string out, err;
  ASSERT_EQ(Reduce({"--inc", file, "--tr", file, "--tr-channel", "2", "--start", "1", "0",
                    "--waves-csv", waves, "--json"},
                   out, err),
            0)
      << err;
  EXPECT_EQ(nlohmann::json::parse(out)["point_count"], 1999);
  const std::string text = ReadBytes(waves);
  std::istringstream lines(text);
  std::string header, first, second;
  std::getline(lines, header);
  std::getline(lines, first);
  std::getline(lines, second);
  EXPECT_EQ(header, "index,time_us,incident,transmitted");
  // Incident from sample 1 of channel 1, transmitted from sample 0 of channel 2; 1 ns apart.
  EXPECT_EQ(first, "0,0,-0.00040201005,-0.00020100502");
  EXPECT_EQ(second, "1,0.001,-0.00040201005,0");
  // An explicit sampling frequency still wins over the file's.
  const std::string pat = (dir.path() / "p.PAT").string();
  ASSERT_EQ(Reduce({"--inc", file, "--tr", file, "--save-params", pat}, out, err), 0);
  EXPECT_NE(ReadBytes(pat).find(" 0.001000 "), std::string::npos) << ReadBytes(pat);
  ASSERT_EQ(Reduce({"--inc", file, "--tr", file, "--sampling-mhz", "500", "--save-params", pat},
                   out, err),
            0);
  EXPECT_NE(ReadBytes(pat).find(" 0.002000 "), std::string::npos) << ReadBytes(pat);
  EXPECT_EQ(Reduce({"--inc", file}, out, err), 2);
}

}  // namespace
}  // namespace velk::cli
