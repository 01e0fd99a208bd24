#pragma once
#include <span>

namespace velk {

// Index of the largest value over the inclusive range first..last; ties keep the earliest index and
// a range with last < first + 1 gives first. Indices are clamped to the array, so the search never
// reads outside it; an empty array gives first.
int IndexOfMax(int first, int last, std::span<const double> a);
// The same for the smallest value.
int IndexOfMin(int first, int last, std::span<const double> a);

}  // namespace velk
