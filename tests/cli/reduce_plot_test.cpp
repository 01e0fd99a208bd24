#include "cli/reduce_plot.h"

#include <gtest/gtest.h>

#include <QImage>
#include <sstream>
#include <string>
#include <vector>

#include "cli/reduce_cli.h"

namespace velk::cli {
namespace {

int RunCli(const std::vector<std::string>& args, std::string* err = nullptr) {
  std::ostringstream out, e;
  const int status = RunReduce(args, out, e);
  if (err) *err = e.str();
  return status;
}

const std::string kTek = std::string(VELK_SOURCE_DIR) + "/samples/tek/";
const std::string kOut = std::string(VELK_BINARY_DIR) + "/";

TEST(ReducePlot, WritesTheWavePictureAtTheAskedSize) {
  const std::string png = kOut + "reduce_plot_test.png";
  std::remove(png.c_str());
  std::string err;
  ASSERT_EQ(RunCli({"--tek", kTek + "T1_inc.txt", kTek + "T1_tr.txt", "--plot", "3", png}, &err),
            kExitDone)
      << err;
  QImage img(QString::fromStdString(png));
  ASSERT_FALSE(img.isNull());
  EXPECT_EQ(img.size(), QSize(690, 490));
  // The X axis of a 690 x 490 picture.
  EXPECT_EQ(img.pixel(300, 430) & 0xFFFFFF, 0u);
  ASSERT_EQ(RunCli({"--tek", kTek + "T1_inc.txt", kTek + "T1_tr.txt", "--plot", "4", png, "--size",
                    "800x300"},
                   &err),
            kExitDone)
      << err;
  EXPECT_EQ(QImage(QString::fromStdString(png)).size(), QSize(800, 300));
}

TEST(ReducePlot, RefusesBadSizesAndComputesResultsBeforePlottingThem) {
  const std::string in1 = kTek + "T1_inc.txt", in2 = kTek + "T1_tr.txt";
  // Unknown kinds and file types are rows of the bad-input catalogue.
  for (const auto& extra :
       std::vector<std::vector<std::string>>{{"--plot", "x", "a.png"},
                                             {"--plot", "3"},
                                             {"--plot", "3", "a.png", "--size", "690"},
                                             {"--plot", "3", "a.png", "--size", "0x490"}}) {
    std::vector<std::string> args = {"--tek", in1, in2};
    args.insert(args.end(), extra.begin(), extra.end());
    EXPECT_EQ(RunCli(args), kExitUsage) << ::testing::PrintToString(extra);
  }
  std::string err;
  // A plot of result curves runs the default window method and the computation first.
  const std::string curves = kOut + "reduce_plot_curves.png";
  std::remove(curves.c_str());
  EXPECT_EQ(RunCli({"--tek", in1, in2, "--plot", "11", curves}, &err), kExitDone) << err;
  EXPECT_FALSE(QImage(QString::fromStdString(curves)).isNull());
}

}  // namespace
}  // namespace velk::cli
