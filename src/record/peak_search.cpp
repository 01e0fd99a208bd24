#include "record/peak_search.h"

#include <algorithm>

namespace velk {

namespace {
template <typename Better>
int IndexOfBest(int first, int last, std::span<const double> a, Better better) {
  const int n = static_cast<int>(a.size());
  if (n == 0 || first < 0 || first >= n) return first;
  last = std::min(last, n - 1);
  int best = first;
  double bestValue = a[first];
  for (int k = first + 1; k <= last; ++k) {
    if (better(a[k], bestValue)) {
      best = k;
      bestValue = a[k];
    }
  }
  return best;
}
}  // namespace

int IndexOfMax(int first, int last, std::span<const double> a) {
  return IndexOfBest(first, last, a, [](double v, double best) { return v > best; });
}

int IndexOfMin(int first, int last, std::span<const double> a) {
  return IndexOfBest(first, last, a, [](double v, double best) { return v < best; });
}

}  // namespace velk
