// The short fixed-point path of the number conversion (recorder samples such as "-0.011292")
// must give the same value and stop at the same character as the C runtime, right at the limits
// where the exact path hands over to the general one.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

#include "record/c_number.h"

namespace velk {
namespace {

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
  ASSERT_EQ(ok, cend != s.c_str()) << s;
  if (!ok) return;
  EXPECT_EQ(p - s.data(), cend - s.c_str()) << s;
  EXPECT_EQ(got, want) << s;
  EXPECT_EQ(std::signbit(got), std::signbit(want)) << s;
}

TEST(CNumberShortFixed, MatchesTheCRuntimeAroundEveryLimit) {
  // Mantissas at the exact-representation limits, scales at the power-of-ten limits, signs,
  // missing integer or fraction digits, and what follows the number.
  const std::string cases[] = {
      "16777215",
      "16777216",
      "16777217",
      "1.6777217",
      "0.16777217",
      "9007199254740991",
      "9007199254740993",
      "900719925474099.3",
      "0.0000000001",
      "0.00000000001",
      "1.0000000000000000000001",
      "12345678901234567890",
      "-0.0",
      "+.5",
      "5.",
      "-.",
      ".",
      "0x1p3",
      "0X10",
      "1x",
      "2.5e3",
      "2.5E-3",
      "7.e1",
      "-0.011292\n",
      "512 ",
      "0.1,2",
      "1..2",
      "00000000000000000001.5",
      "3.4028235677973366e38",
      "0.30000001192092896",
  };
  for (const std::string& s : cases) {
    ExpectLikeC<float>(s);
    ExpectLikeC<double>(s);
  }
  // Random short fixed-point numbers, where float rounding of a tie-near value would show.
  std::mt19937_64 rng(7);
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

}  // namespace
}  // namespace velk
