// Result files read back as curves: the layouts the program writes, and text that is not one.

#include "tools/result_curve_reader.h"

#include <gtest/gtest.h>

namespace velk {
namespace {

TEST(ResultCurveReader, ReadsTwoAndThreeColumnsAndRefusesOtherLinesByNumber) {
  const ResultCurveRead r =
      ParseResultCurve("0.00000 0.00000\n0.00125 12.50000 310.25000\r\n\n-0.00100 -3.5", "a.DT3");
  ASSERT_TRUE(r.ok()) << r.message;
  EXPECT_EQ(r.curve.name, "a.DT3");
  EXPECT_EQ(r.curve.strain, (std::vector<double>{0, 0.00125, -0.001}));
  EXPECT_EQ(r.curve.stress, (std::vector<double>{0, 12.5, -3.5}));

  for (const char* bad : {"0 1\n0.1 abc\n", "0 1\n0.1\n", "0 1\n1 2 3 4\n", "0 1\nx 1 2\n"}) {
    const ResultCurveRead b = ParseResultCurve(bad, "b.DT2");
    EXPECT_EQ(b.message, "%1 的第 %2 行不是结果数据。") << bad;
    EXPECT_EQ(b.args, (std::vector<std::string>{"b.DT2", "2"})) << bad;
  }
  EXPECT_EQ(ParseResultCurve(" \n\n", "c.DT2").message, "%1 中没有结果数据。");
  EXPECT_EQ(ReadResultCurve("/no/such/dir/x.DT2").message, "Open file %1 fault!");

  EXPECT_TRUE(IsTrueResultFile("/t/a12.DT4"));
  EXPECT_TRUE(IsTrueResultFile("a.dt4"));
  EXPECT_FALSE(IsTrueResultFile("a.DT3"));
}

}  // namespace
}  // namespace velk
