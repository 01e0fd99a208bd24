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

TEST(ReducePlot, WritesTheWavePictureAndComputesResultsBeforePlottingThem) {
  const std::string in1 = kTek + "T1_inc.txt", in2 = kTek + "T1_tr.txt";
  const std::string png = kOut + "reduce_plot_test.png", curves = kOut + "reduce_plot_curves.png";
  std::remove(png.c_str());
  std::remove(curves.c_str());
  std::string err;
  ASSERT_EQ(RunCli({"--tek", in1, in2, "--plot", "3", png}, &err), kExitDone) << err;
  QImage img(QString::fromStdString(png));
  ASSERT_FALSE(img.isNull());
  EXPECT_EQ(img.size(), QSize(690, 490));
  // The X axis of a 690 x 490 picture.
  EXPECT_EQ(img.pixel(300, 430) & 0xFFFFFF, 0u);
  // A plot of result curves runs the default window method and the computation first.
  EXPECT_EQ(RunCli({"--tek", in1, in2, "--plot", "11", curves}, &err), kExitDone) << err;
  EXPECT_FALSE(QImage(QString::fromStdString(curves)).isNull());
}

}  // namespace
}  // namespace velk::cli
