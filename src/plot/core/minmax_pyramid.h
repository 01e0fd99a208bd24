#pragma once
// Min/max summaries of a long curve, so that a redraw asks one question per pixel column instead
// of reading every sample. Level k holds, for each block of 16^k samples, the least and greatest
// value and whether any sample is NaN; a question about a range reads whole blocks where it can
// and descends only where a block straddles the range's ends or the accepted value interval.
//
// The pyramid refers to the samples it was built from and must be rebuilt when they change.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <span>
#include <vector>

namespace velk {

class MinMaxPyramid {
 public:
  static constexpr std::size_t kFanOut = 16;

  MinMaxPyramid() = default;
  explicit MinMaxPyramid(std::span<const double> samples);

  std::span<const double> samples() const { return m_samples; }

  // What the samples v of [begin, end] (inclusive indices) with lo <= v <= hi look like: the
  // index of the first and last of them and their least and greatest value. NaN is never
  // accepted. first is -1 when no sample is accepted.
  struct Extent {
    std::ptrdiff_t first = -1, last = -1;
    double min = std::numeric_limits<double>::infinity();
    double max = -std::numeric_limits<double>::infinity();
    bool empty() const { return first < 0; }
  };
  Extent Find(std::size_t begin, std::size_t end, double lo, double hi) const;

 private:
  struct Block {
    double min, max;  // over the block's non-NaN samples; min > max when there are none
  };
  struct Level {
    std::vector<Block> blocks;
    std::vector<std::uint8_t> hasNaN;
  };
  struct Query;

  // Visits block index of level (0 = the samples themselves) restricted to the query's range.
  void Visit(Query& q, std::size_t level, std::size_t index) const;

  std::span<const double> m_samples;
  std::vector<Level> m_levels;  // m_levels[k] has blocks of 16^(k+1) samples
};

// The pyramids of the arrays a view draws, each built when first asked for. Clear() drops them
// all; it must run whenever an array may have changed, since a stale pyramid draws a wrong
// picture. An array that moved or changed its length is seen as a new one even without it.
class PyramidCache {
 public:
  const MinMaxPyramid& For(const std::vector<double>& samples);
  void Clear() { m_entries.clear(); }

 private:
  // A view draws at most two arrays at once; a few more spare rebuilding when it switches
  // between the channels or between the raw and processed waves.
  static constexpr std::size_t kKept = 4;
  std::vector<std::unique_ptr<MinMaxPyramid>> m_entries;  // most recently used last
};

}  // namespace velk
