#include "record/bar_library.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_files.h"

namespace velk {
namespace {

TEST(BarLibrary, BuiltInRowsComeFirstAndTheAreaRuleReproducesThemBitForBit) {
  const BarLibrary lib;
  ASSERT_EQ(lib.Materials().size(), 2u);
  EXPECT_EQ(lib.Materials()[0].name, "钢杆");
  EXPECT_EQ(lib.Materials()[1].modulusMpa, 71420.0);
  ASSERT_EQ(lib.Diameters().size(), 3u);
  for (const BarDiameterRow& d : lib.Diameters()) {
    EXPECT_EQ(BarAreaMm2(d.diameterMm), d.areaMm2) << d.name;
  }
  EXPECT_EQ(lib.Diameters()[2].areaMm2, 201.0619264);
  EXPECT_NEAR(BarDiameterFromArea(BarAreaMm2(9.47)), 9.47, 1e-12);
}

TEST(BarLibrary, RoundTripKeepsTheLabsRowsAndNeverWritesBuiltInOrSessionRows) {
  TempDir dir;
  const std::string path = (dir.path() / "cfg" / "bars.json").string();
  BarLibrary lib;
  ASSERT_TRUE(lib.AddMaterial({"Ti-6Al-4V", 4975.0, 109300.0, 0.34, 4416.0}));
  ASSERT_TRUE(lib.AddDiameter({"9.47", 9.47}));
  lib.AddSessionMaterial("a1.PAT", 5000.0, 200000.0, 0.29);
  ASSERT_TRUE(lib.Save(path));  // creates the folder

  BarLibrary back;
  ASSERT_TRUE(back.Load(path));
  ASSERT_EQ(back.Materials().size(), 3u);
  const BarMaterialRow& ti = back.Materials()[2];
  EXPECT_EQ(ti.name, "Ti-6Al-4V");
  EXPECT_EQ(ti.waveSpeedMs, 4975.0);
  EXPECT_EQ(ti.modulusMpa, 109300.0);
  EXPECT_EQ(ti.poisson, 0.34);
  EXPECT_EQ(ti.densityKgM3, 4416.0);
  EXPECT_EQ(ti.origin, BarRowOrigin::User);
  ASSERT_EQ(back.Diameters().size(), 4u);
  EXPECT_EQ(back.Diameters()[3].areaMm2, BarAreaMm2(9.47));
  EXPECT_EQ(back.ToJson(), lib.ToJson());
  // A missing file is an empty library.
  BarLibrary none;
  EXPECT_TRUE(none.Load((dir.path() / "absent.json").string()));
  EXPECT_EQ(none.Materials().size(), 2u);
}

TEST(BarLibrary, DuplicateNamesAndBuiltInEditsAreRefused) {
  BarLibrary lib;
  EXPECT_FALSE(lib.AddMaterial({"钢杆", 5000.0, 200000.0, 0.29, 7800.0}));
  EXPECT_FALSE(lib.AddDiameter({"80", 80.0}));
  EXPECT_FALSE(lib.ReplaceMaterial(0, {"钢杆2", 5000.0, 200000.0, 0.29, 7800.0}));
  EXPECT_FALSE(lib.RemoveDiameter(1));
  EXPECT_FALSE(lib.AddMaterial({"x", 5000.0, -1.0, 0.29, 7800.0}));
  EXPECT_FALSE(lib.AddMaterial({"x", 5000.0, 1.0, 0.5, 7800.0}));
  ASSERT_TRUE(lib.AddMaterial({"A", 5000.0, 200000.0, 0.29, 7800.0}));
  ASSERT_TRUE(lib.AddMaterial({"B", 5000.0, 200000.0, 0.29, 7800.0}));
  const FileResult r = lib.ReplaceMaterial(3, {"A", 1.0, 1.0, 0.1, 1.0});
  EXPECT_FALSE(r);
  EXPECT_EQ(r.args, std::vector<std::string>{"A"});
  EXPECT_TRUE(lib.ReplaceMaterial(3, {"B", 1.0, 1.0, 0.1, 1.0}));  // its own name is fine
  EXPECT_TRUE(lib.RemoveMaterial(2));
  EXPECT_EQ(lib.Materials()[2].name, "B");
  EXPECT_EQ(lib.AddSessionDiameter("80", 5026.0), 3);
  EXPECT_EQ(lib.Diameters()[3].name, "80 (2)");
}

TEST(BarLibrary, DamagedFileKeepsBuiltInsNamesTheFileAndIsMovedAsideBeforeANewWrite) {
  TempDir dir;
  const std::string dup =
      R"({"version":1,"materials":[{"name":"A","wave_speed":1,"modulus":1,"poisson":0.3,)"
      R"("density":1},{"name":"A","wave_speed":2,"modulus":2,"poisson":0.3,"density":2}],)"
      R"("diameters":[]})";
  for (const std::string& text :
       {std::string("{\"materials\": [ {\"name\": \"A\""), dup,
        std::string(R"({"materials":[{"name":"A","wave_speed":"5000","modulus":1,)"
                    R"("poisson":0.3,"density":1}],"diameters":[]})"),
        std::string("[1,2]")}) {
    const std::string path = dir.Write("bars.json", text);
    BarLibrary lib;
    ASSERT_TRUE(
        lib.AddDiameter({"20", 20.0}));  // a row from before stays only if the file is sound
    const FileResult r = lib.Load(path);
    ASSERT_FALSE(r) << text;
    ASSERT_EQ(r.args.size(), 2u);
    EXPECT_EQ(r.args[0], path);
    EXPECT_FALSE(r.args[1].empty());
    EXPECT_EQ(lib.Materials().size(), 2u);
    EXPECT_EQ(lib.Diameters().size(), 4u);

    ASSERT_TRUE(lib.Save(path));
    EXPECT_EQ(ReadBytes(path + ".bad"), text);
    BarLibrary back;
    EXPECT_TRUE(back.Load(path));
    EXPECT_EQ(back.Diameters().size(), 4u);
    std::filesystem::remove(path + ".bad");
  }
}

}  // namespace
}  // namespace velk
