#include "cli/reduce_plot.h"

#include <gtest/gtest.h>

#include <QImage>
#include <fstream>
#include <iterator>
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

TEST(ReducePlot, SeveralPlotsEachWithItsOwnSize) {
  const std::string in1 = kTek + "T1_inc.txt", in2 = kTek + "T1_tr.txt";
  const std::string a = kOut + "reduce_multi_a.png", b = kOut + "reduce_multi_b.png",
                    c = kOut + "reduce_multi_c.png", svg = kOut + "reduce_multi_d.svg";
  for (const std::string* f : {&a, &b, &c, &svg}) std::remove(f->c_str());
  std::string err;
  // A --size before the first --plot holds for every plot without its own.
  ASSERT_EQ(RunCli({"--tek", in1,      in2,      "--size", "400x300", "--plot",  "3",
                    a,       "--plot", "11",     b,        "--size",  "200x150", "--plot",
                    "4",     c,        "--plot", "12",     svg,       "--size",  "800x600"},
                   &err),
            kExitDone)
      << err;
  EXPECT_EQ(QImage(QString::fromStdString(a)).size(), QSize(400, 300));
  EXPECT_EQ(QImage(QString::fromStdString(b)).size(), QSize(200, 150));
  EXPECT_EQ(QImage(QString::fromStdString(c)).size(), QSize(400, 300));
  std::ifstream in(svg);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("<svg"), std::string::npos);
  EXPECT_NE(text.find("viewBox=\"0 0 800 600\""), std::string::npos);
  // Each plot is the one it would be on its own.
  const std::string alone = kOut + "reduce_multi_alone.png";
  ASSERT_EQ(RunCli({"--tek", in1, in2, "--plot", "11", alone, "--size", "200x150"}, &err),
            kExitDone);
  EXPECT_EQ(QImage(QString::fromStdString(alone)), QImage(QString::fromStdString(b)));

  // Usage faults: two sizes for one plot, two shared sizes, a pair cut short, a bad kind late.
  for (const std::vector<std::string>& bad :
       {std::vector<std::string>{"--plot", "3", a, "--size", "10x10", "--size", "20x20"},
        {"--size", "10x10", "--size", "20x20", "--plot", "3", a},
        {"--plot", "3", a, "--plot", "4"},
        {"--plot", "3", a, "--plot", "13", b}}) {
    std::vector<std::string> args = {"--tek", in1, in2};
    args.insert(args.end(), bad.begin(), bad.end());
    EXPECT_EQ(RunCli(args, &err), kExitUsage) << bad.back();
  }
  // An unwritable second plot fails the run before any file is written.
  std::remove(a.c_str());
  EXPECT_EQ(
      RunCli({"--tek", in1, in2, "--plot", "3", a, "--plot", "3", "/nonexistent/x.png"}, &err),
      kExitFailed);
  EXPECT_NE(err.find("/nonexistent/x.png"), std::string::npos);
  EXPECT_TRUE(QImage(QString::fromStdString(a)).isNull());
}

}  // namespace
}  // namespace velk::cli
