#include "record/c_number.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "locale_util.h"

namespace velk {
namespace {

// Compares against the C runtime itself, in the "C" locale the tests start in: the same value
// (sign of zero and NaN included) and the same place to stop.
template <class T>
void ExpectLikeC(const std::string& s) {
  char* cend = nullptr;
  const T want = sizeof(T) == 4 ? static_cast<T>(std::strtof(s.c_str(), &cend))
                                : static_cast<T>(std::strtod(s.c_str(), &cend));
  const char* p = s.data();
  T got = T(-12345);
  bool ok = false;
  if constexpr (sizeof(T) == 4) {
    ok = ScanFloat(p, s.data() + s.size(), got);
  } else {
    ok = ScanDouble(p, s.data() + s.size(), got);
  }
  ASSERT_EQ(ok, cend != s.c_str()) << '"' << s << '"';
  if (!ok) {
    EXPECT_EQ(p, s.data()) << '"' << s << '"';
    return;
  }
  EXPECT_EQ(p - s.data(), cend - s.c_str()) << '"' << s << '"';
  if (std::isnan(want)) {
    EXPECT_TRUE(std::isnan(got)) << s;
  } else {
    EXPECT_EQ(got, want) << '"' << s << '"';
  }
  EXPECT_EQ(std::signbit(got), std::signbit(want)) << s;
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
  ASSERT_EQ(ok, cend != s.c_str()) << '"' << s << '"';
  if (!ok) {
    EXPECT_EQ(got, -777);
    return;
  }
  EXPECT_EQ(p - s.data(), cend - s.c_str()) << '"' << s << '"';
  EXPECT_EQ(got, clamped) << '"' << s << '"';
}

TEST(CNumber, NumbersConvertAndStopExactlyWhereTheCRuntimeDoes) {
  // Signs, missing digits, exponents, the float and double limits (overflow, subnormals,
  // halfway cases), the exact-integer limits of the short fixed-point path, inf/nan spellings,
  // hexadecimal, and what may follow a number; as integers, octal and hexadecimal prefixes and
  // the int limits.
  const std::string cases =
      "0|-0|+1.5|  \t\n\v\f\r-2.25xyz|.5|5.|.|-.|+|-||e5|1e|1e+|1e-x|1E5|1.5e-3 |12abc|0.1|"
      "476.190476|-0.011292\n|7.e1|3.4028235e38|3.4028236e38|3.4028235677973366e38|1e39|-1e39|"
      "1e-38|1e-45|1e-46|7e-46|1e308|1.8e308|-1e400|1e-320|1e-400|-1e-400|1e999999999999999999|"
      "00000000000000000000000012.5|123456789012345678901234567890|"
      "0.30000000000000000000000000000000000000001|2.4703282292062327e-324|"
      "2.4703282292062328e-324|16777215|16777217|1.6777217|0.16777217|9007199254740991|"
      "9007199254740993|900719925474099.3|0.00000000001|1.00000005960464477539062500000000001|"
      "0.30000001192092896|inf|-INF|Infinity|infinit|infinityx|nan|-nan|NaN(abc_1)|nan(abc|nan()|"
      "in|na|0x|0x1|0X1P3|0x1p|0x1p+|-0x1.8p1|0x.8|0x.p1|0xg|0x1.fffffep127|0x1p128|0x1p-150|"
      "0x1p-149|0x1p99999|1,5|1 2|--1|+-1|1..2|42| -17x|010|08|0x1F|0X1f|-0x10|2147483647|"
      "2147483648|-2147483648|-2147483649|99999999999999999999|4096.0|abc| \r\n7";
  std::size_t from = 0;
  for (std::size_t bar; from <= cases.size(); from = bar + 1) {
    bar = std::min(cases.find('|', from), cases.size());
    const std::string c = cases.substr(from, bar - from);
    ExpectLikeC<double>(c);
    ExpectLikeC<float>(c);
    ExpectLikeStrtol(c, false);
    ExpectLikeStrtol(c, true);
  }
  EXPECT_EQ(Atof("  1.5e2xyz"), 150.0);
  EXPECT_EQ(Atof("letters"), 0.0);
  // The string view's end is honoured: no reading past it even without a terminator.
  const char buf[] = {'1', '2', '3'};
  EXPECT_EQ(Atof(std::string_view(buf, 2)), 12.0);
}

TEST(CNumber, RandomTextsMatchTheCRuntime) {
  std::mt19937_64 rng(20261206);
  const std::string alphabet = "0123456789012345.eE+-xXpPabfinINAty() \t,";
  for (int n = 0; n < 20000; ++n) {
    std::string s;
    const int len = static_cast<int>(rng() % 14);
    for (int i = 0; i < len; ++i) s += alphabet[rng() % alphabet.size()];
    ExpectLikeC<double>(s);
    ExpectLikeC<float>(s);
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
    ExpectLikeC<double>(s);
    ExpectLikeC<float>(s);
  }
  // Short fixed-point numbers (recorder samples) around the exact float and double mantissa
  // limits, where float rounding of a tie-near value would show.
  for (int n = 0; n < 200000; ++n) {
    const std::uint64_t m = rng() % ((n % 2) ? (1ull << 24) + 1000 : (1ull << 53) + 1000);
    std::string digits = std::to_string(m);
    const std::size_t scale = rng() % 24;
    if (scale > 0) {
      if (digits.size() <= scale) digits.insert(0, scale - digits.size() + 1, '0');
      digits.insert(digits.size() - scale, ".");
    }
    if (rng() % 3 == 0) digits.insert(0, "-");
    ExpectLikeC<float>(digits);
    ExpectLikeC<double>(digits);
  }
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
