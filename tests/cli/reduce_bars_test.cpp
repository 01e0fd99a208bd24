// velk-reduce with the rigs' own bars: the real recordings over their whole pulses, library names
// and the bar options' summary.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "../record/test_files.h"
#include "cli/reduce_cli.h"

namespace velk::cli {
namespace {

struct BarRun {
  int status = -1;
  std::string out, err;
};

BarRun Reduce(const std::string& line) {
  std::istringstream s(line);
  std::vector<std::string> args;
  for (std::string w; s >> w;) args.push_back(w);
  std::ostringstream out, err;
  BarRun r;
  r.status = RunReduce(args, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

const std::string kData = std::string(VELK_TEST_DATA) + "/realdata/";

// Every run reads the library from a folder of the test's own, never the user's.
class ReduceBars : public ::testing::Test {
 protected:
  void SetUp() override { setenv("VELK_CONFIG_DIR", m_dir.path().c_str(), 1); }
  void TearDown() override { unsetenv("VELK_CONFIG_DIR"); }
  TempDir m_dir;
};

TEST_F(ReduceBars, RealRecordingsWithTheirOwnBarsGiveSensibleStressesOverTheWholePulse) {
  struct Rig {
    std::string name, args;
    int transmittedLength;
    double lowMpa, highMpa;  // peak engineering stress expected of the specimen
  };
  const Rig rigs[] = {
      // Epoxy resin on Ø20 mm steel bars: about 290 MPa.
      {"epoxy01",
       "--sampling-mhz 12.5 --specimen-diameter 10 --specimen-thickness 4 --factor-inc 501 "
       "--factor-tr 501 --baseline-inc 0 499 --baseline-tr 0 2999 --bar 5188 210000 20 "
       "--windows 2412 5573 7328 10507 6919 11129",
       4210, 260, 320},
      // 945 steel on the same bars.
      {"steel945s02",
       "--sampling-mhz 31.25 --specimen-diameter 8.0466 --specimen-thickness 4 --factor-inc 496 "
       "--factor-tr 496 --baseline-inc 0 1199 --baseline-tr 0 9999 --bar 5188 210000 20 "
       "--windows 2467 5523 14782 17685 13035 16975",
       3940, 1100, 1500},
      // Annealed copper on Ø9.47 mm Ti-6Al-4V bars.
      {"cu273K",
       "--sampling-mhz 10 --specimen-diameter 6.34 --specimen-thickness 3.204 --factor-inc "
       "606.5 --factor-tr 606.2 --baseline-inc 0 399 --baseline-tr 0 399 --bar 4975 109300 "
       "9.47 0.34 --windows 492 1148 2045 2616 2063 2848",
       785, 280, 400}};
  for (const Rig& rig : rigs) {
    const std::string dt2 = (m_dir.path() / (rig.name + ".DT2")).string();
    const BarRun r = Reduce("--tek " + kData + rig.name + "_inc.txt " + kData + rig.name +
                            "_tr.txt --specimen-wave-speed 0 --method 3 --result-limit 0 --json " +
                            rig.args + " --dt2 " + dt2);
    ASSERT_EQ(r.status, kExitDone) << rig.name << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["last_result_index"], rig.transmittedLength) << rig.name;
    EXPECT_EQ(j["result_limit"], 0);
    EXPECT_EQ(j["transmission_bar"], j["bar"]);
    std::ifstream f(dt2);
    double peak = 0;
    int rows = 0;
    for (double e, s; f >> e >> s; ++rows) peak = std::max(peak, s);  // strain, stress
    EXPECT_EQ(rows, rig.transmittedLength + 1) << rig.name;
    EXPECT_GT(peak, rig.lowMpa) << rig.name;
    EXPECT_LT(peak, rig.highMpa) << rig.name;
  }
}

TEST_F(ReduceBars, LibraryNamesCustomBarsAndTheSummary) {
  std::ofstream(m_dir.path() / "bars.json")
      << R"({"version":1,"materials":[{"name":"Ti","wave_speed":4975,"modulus":109300,)"
      << R"("poisson":0.34,"density":4416}],"diameters":[{"name":"d9","diameter":9.47}]})";
  const BarRun list = Reduce("--list-bars");
  ASSERT_EQ(list.status, kExitDone);
  EXPECT_NE(list.out.find("2\tTi\t4975\t109300\t0.34\t4416\tlibrary"), std::string::npos);

  const BarRun named = Reduce("--demo --bar-material Ti --bar-diameter d9 --json");
  ASSERT_EQ(named.status, kExitDone) << named.err;
  auto j = nlohmann::json::parse(named.out);
  EXPECT_EQ(j["bar"]["wave_speed"], 4975.0);
  EXPECT_DOUBLE_EQ(j["bar"]["area"].get<double>(), 3.1415926 * 9.47 * 9.47 / 4);
  EXPECT_EQ(j["result_limit"], 2000);

  const BarRun two = Reduce("--demo --transmission-bar 5065 71420 16 --result-limit 500 --json");
  ASSERT_EQ(two.status, kExitDone) << two.err;
  j = nlohmann::json::parse(two.out);
  EXPECT_EQ(j["bar"]["wave_speed"], 5122.0);
  EXPECT_EQ(j["transmission_bar"]["wave_speed"], 5065.0);
  EXPECT_EQ(j["transmission_bar"]["modulus"], 71420.0);
  EXPECT_EQ(j["last_result_index"], 500);

  for (const char* line : {"--demo --bar-material Nope", "--demo --bar-diameter 3",
                           "--demo --bar 5000 200000 0", "--demo --transmission-bar 5000 x 16",
                           "--demo --bar 5000 200000 16 0.6", "--demo --result-limit -1"}) {
    const BarRun bad = Reduce(line);
    EXPECT_EQ(bad.status, kExitUsage) << line;
    EXPECT_NE(bad.err.find("Usage: velk-reduce"), std::string::npos) << line;
  }

  // A damaged library is reported and the built-in bars still serve.
  std::ofstream(m_dir.path() / "bars.json") << "{ damaged";
  const BarRun damaged = Reduce("--demo --json");
  EXPECT_EQ(damaged.status, kExitDone);
  EXPECT_NE(damaged.err.find("bars.json"), std::string::npos);
}

}  // namespace
}  // namespace velk::cli
