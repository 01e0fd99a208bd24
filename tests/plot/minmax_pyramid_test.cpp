#include "plot/core/minmax_pyramid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace velk {
namespace {

MinMaxPyramid::Extent BruteForce(const std::vector<double>& v, std::size_t b, std::size_t e,
                                 double lo, double hi) {
  MinMaxPyramid::Extent x;
  for (std::size_t i = b; i <= e && i < v.size(); ++i) {
    if (!(lo <= v[i] && v[i] <= hi)) continue;
    if (x.first < 0) x.first = static_cast<std::ptrdiff_t>(i);
    x.last = static_cast<std::ptrdiff_t>(i);
    x.min = std::min(x.min, v[i]);
    x.max = std::max(x.max, v[i]);
  }
  return x;
}

TEST(MinMaxPyramid, AnswersLikeReadingEverySample) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  std::mt19937_64 rng(99);
  std::uniform_real_distribution<double> u(-1, 1);
  // Sizes around the block edges of the first levels, and one several levels deep.
  for (std::size_t n : {1u, 15u, 16u, 17u, 255u, 256u, 257u, 4097u, 70001u}) {
    std::vector<double> v(n);
    for (double& x : v) x = u(rng);
    // NaN runs (one filling whole blocks), infinities, and plateaus at the query limits.
    for (std::size_t i = n / 3; i < std::min(n, n / 3 + 40); ++i) v[i] = nan;
    if (n > 5) v[n - 2] = inf, v[3] = -inf, v[4] = 0.5;
    const MinMaxPyramid p(v);
    for (int q = 0; q < 400; ++q) {
      std::size_t b = rng() % n, e = rng() % (n + 20);
      if (q % 7 == 0) b = 0, e = n - 1;
      double lo = u(rng), hi = u(rng);
      if (q % 5 == 0) lo = -inf, hi = inf;
      if (q % 11 == 0) lo = 0.5;
      const auto want = BruteForce(v, b, e, lo, hi);
      const auto got = p.Find(b, e, lo, hi);
      SCOPED_TRACE(::testing::Message() << n << " [" << b << "," << e << "] " << lo << ".." << hi);
      ASSERT_EQ(got.first, want.first);
      ASSERT_EQ(got.last, want.last);
      if (!want.empty()) {
        ASSERT_EQ(got.min, want.min);
        ASSERT_EQ(got.max, want.max);
      }
    }
  }
  EXPECT_TRUE(MinMaxPyramid(std::vector<double>{}).Find(0, 10, -inf, inf).empty());
  EXPECT_TRUE(MinMaxPyramid(std::vector<double>(40, nan)).Find(0, 39, -inf, inf).empty());
}

TEST(MinMaxPyramid, CacheRebuildsForAnArrayThatMovedOrWasCleared) {
  PyramidCache cache;
  std::vector<double> a = {1, 2, 3};
  const MinMaxPyramid* first = &cache.For(a);
  EXPECT_EQ(&cache.For(a), first) << "built once";
  EXPECT_EQ(cache.For(a).Find(0, 2, -10, 10).max, 3);
  a.assign(1000, 7.0);  // a new buffer and length
  EXPECT_EQ(cache.For(a).Find(0, 999, -10, 10).max, 7);
  a[5] = 9;  // changed in place: only Clear() can tell
  cache.Clear();
  EXPECT_EQ(cache.For(a).Find(0, 999, -10, 10).max, 9);
}

}  // namespace
}  // namespace velk
