#include "record/c_number.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>

#include "locale_util.h"

namespace velk {
namespace {

// Compares against the C runtime itself, in the "C" locale the tests start in.
void ExpectLikeStrtod(const std::string& s) {
  char* cend = nullptr;
  const double want = std::strtod(s.c_str(), &cend);
  const char* p = s.data();
  double got = -12345.0;
  const bool ok = ScanDouble(p, s.data() + s.size(), got);
  const std::size_t wantUsed = static_cast<std::size_t>(cend - s.c_str());
  if (wantUsed == 0) {
    EXPECT_FALSE(ok) << '"' << s << '"';
    EXPECT_EQ(p, s.data());
    return;
  }
  ASSERT_TRUE(ok) << '"' << s << '"';
  EXPECT_EQ(static_cast<std::size_t>(p - s.data()), wantUsed) << '"' << s << '"';
  if (std::isnan(want)) {
    EXPECT_TRUE(std::isnan(got)) << s;
    EXPECT_EQ(std::signbit(got), std::signbit(want)) << s;
  } else {
    EXPECT_EQ(got, want) << '"' << s << '"';
    EXPECT_EQ(std::signbit(got), std::signbit(want)) << s;
  }
}

void ExpectLikeStrtof(const std::string& s) {
  char* cend = nullptr;
  const float want = std::strtof(s.c_str(), &cend);
  const char* p = s.data();
  float got = -12345.0f;
  const bool ok = ScanFloat(p, s.data() + s.size(), got);
  const std::size_t wantUsed = static_cast<std::size_t>(cend - s.c_str());
  if (wantUsed == 0) {
    EXPECT_FALSE(ok) << '"' << s << '"';
    return;
  }
  ASSERT_TRUE(ok) << '"' << s << '"';
  EXPECT_EQ(static_cast<std::size_t>(p - s.data()), wantUsed) << '"' << s << '"';
  if (std::isnan(want)) {
    EXPECT_TRUE(std::isnan(got)) << s;
  } else {
    EXPECT_EQ(got, want) << '"' << s << '"';
    EXPECT_EQ(std::signbit(got), std::signbit(want)) << s;
  }
}

void ExpectLikeStrtol(const std::string& s, bool autoBase) {
  char* cend = nullptr;
  errno = 0;
  const long want = std::strtol(s.c_str(), &cend, autoBase ? 0 : 10);
  const long clamped = want > INT_MAX ? INT_MAX : (want < INT_MIN ? INT_MIN : want);
  const char* p = s.data();
  int got = -777;
  const bool ok =
      autoBase ? ScanIntAuto(p, s.data() + s.size(), got) : ScanInt(p, s.data() + s.size(), got);
  const std::size_t wantUsed = static_cast<std::size_t>(cend - s.c_str());
  if (wantUsed == 0) {
    EXPECT_FALSE(ok) << '"' << s << '"';
    EXPECT_EQ(got, -777);
    return;
  }
  ASSERT_TRUE(ok) << '"' << s << '"';
  EXPECT_EQ(static_cast<std::size_t>(p - s.data()), wantUsed) << '"' << s << '"';
  EXPECT_EQ(got, clamped) << '"' << s << '"';
}

TEST(CNumber, RealsConvertAndStopExactlyWhereTheCRuntimeDoes) {
  const char* cases[] = {"0",
                         "-0",
                         "+1.5",
                         "  \t\n\v\f\r-2.25xyz",
                         ".5",
                         "5.",
                         ".",
                         "-.",
                         "+",
                         "-",
                         "",
                         "e5",
                         "1e",
                         "1e+",
                         "1e-x",
                         "1E5",
                         "1.5e-3 ",
                         "12abc",
                         "0.1",
                         "0.2",
                         "476.190476",
                         "5122.000000",
                         "3.4028235e38",
                         "3.4028236e38",
                         "1e39",
                         "-1e39",
                         "1e-38",
                         "1e-45",
                         "1e-46",
                         "7e-46",
                         "1e308",
                         "1.8e308",
                         "-1e400",
                         "1e-320",
                         "1e-400",
                         "-1e-400",
                         "1e999999999999999999",
                         "0.000000000000000000000000000000000000000000000000001",
                         "00000000000000000000000012.5",
                         "123456789012345678901234567890",
                         "0.30000000000000000000000000000000000000001",
                         "2.4703282292062327e-324",
                         "2.4703282292062328e-324",
                         "inf",
                         "-INF",
                         "Infinity",
                         "infinit",
                         "infinityx",
                         "nan",
                         "-nan",
                         "NaN(abc_1)",
                         "nan(abc",
                         "nan()",
                         "in",
                         "na",
                         "0x",
                         "0x1",
                         "0X1P3",
                         "0x1p",
                         "0x1p+",
                         "-0x1.8p1",
                         "0x.8",
                         "0x.p1",
                         "0xg",
                         "0x1.fffffep127",
                         "0x1p128",
                         "0x1p-150",
                         "0x1p-149",
                         "0x1p99999",
                         "1,5",
                         "1 2",
                         "--1",
                         "+-1",
                         "1..2",
                         "9007199254740993",
                         "1.00000005960464477539062500000000001"};
  for (const char* c : cases) {
    ExpectLikeStrtod(c);
    ExpectLikeStrtof(c);
  }
  EXPECT_EQ(Atof("  1.5e2xyz"), 150.0);
  EXPECT_EQ(Atof("letters"), 0.0);
  EXPECT_EQ(Atof(""), 0.0);
  // The string view's end is honoured: no reading past it even without a terminator.
  const char buf[] = {'1', '2', '3'};
  EXPECT_EQ(Atof(std::string_view(buf, 2)), 12.0);
}

TEST(CNumber, RandomTextsMatchTheCRuntime) {
  std::mt19937 rng(20261206);
  const std::string alphabet = "0123456789012345.eE+-xXpPabfinINAty() \t,";
  for (int n = 0; n < 20000; ++n) {
    std::string s;
    const int len = static_cast<int>(rng() % 14);
    for (int i = 0; i < len; ++i) s += alphabet[rng() % alphabet.size()];
    ExpectLikeStrtod(s);
    ExpectLikeStrtof(s);
    ExpectLikeStrtol(s, false);
    ExpectLikeStrtol(s, true);
  }
  // Plain numbers of many digits and exponents, where rounding matters most.
  for (int n = 0; n < 20000; ++n) {
    std::string s = (rng() % 2) ? "-" : "";
    const int digits = 1 + static_cast<int>(rng() % 20);
    for (int i = 0; i < digits; ++i) s += static_cast<char>('0' + rng() % 10);
    if (rng() % 2) s.insert(s.size() - rng() % digits, ".");
    if (rng() % 2) s += "e" + std::to_string(static_cast<int>(rng() % 700) - 350);
    ExpectLikeStrtod(s);
    ExpectLikeStrtof(s);
  }
}

TEST(CNumber, IntegersReadAsDecimalOrWithBaseDetection) {
  const char* cases[] = {"0",          "42",          " -17x",       "+8",
                         "010",        "08",          "0x1F",        "0X1f",
                         "0x",         "0xg",         "-0x10",       "2147483647",
                         "2147483648", "-2147483648", "-2147483649", "99999999999999999999",
                         "4096.0",     "1e3",         "abc",         "",
                         "-",          " \r\n7"};
  for (const char* c : cases) {
    ExpectLikeStrtol(c, false);
    ExpectLikeStrtol(c, true);
  }
  const char* text = "010 0x10 10";
  const char* p = text;
  const char* end = text + std::strlen(text);
  int a = 0, b = 0, c = 0;
  ASSERT_TRUE(ScanIntAuto(p, end, a) && ScanIntAuto(p, end, b) && ScanIntAuto(p, end, c));
  EXPECT_EQ(a, 8);
  EXPECT_EQ(b, 16);
  EXPECT_EQ(c, 10);
}

TEST(CNumber, DecimalCommaLocaleChangesNothing) {
  CLocaleAfterwards restore;
  if (!UseDecimalCommaLocale()) GTEST_SKIP() << "no decimal-comma locale on this machine";
  // The C runtime itself now reads a comma: this is the behaviour Velk must not pick up.
  EXPECT_EQ(std::strtod("1,5", nullptr), 1.5);
  EXPECT_EQ(Atof("1.5"), 1.5);
  EXPECT_EQ(Atof("1,5"), 1.0);
  const char* text = "476.190476 2,5";
  const char* p = text;
  float f = 0;
  ASSERT_TRUE(ScanFloat(p, text + std::strlen(text), f));
  EXPECT_EQ(f, 476.190476f);
  ASSERT_TRUE(ScanFloat(p, text + std::strlen(text), f));
  EXPECT_EQ(f, 2.0f);
  EXPECT_EQ(*p, ',');
}

}  // namespace
}  // namespace velk
