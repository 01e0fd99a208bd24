#pragma once
// Room for a whole recording. Every array of a long recording is written once, front to back,
// right after it is allocated, and with 4 KB pages that costs a page fault every 512 samples: on a
// virtual machine the faults took three quarters of the time to read a million-sample pair. Asking
// the kernel for huge pages on such a buffer before it is touched removes nearly all of them, and
// for a buffer that will be written whole, having its pages mapped in one call halves the cost of
// the rest. Both are advice only: where the kernel does not offer them, nothing changes.

#include <cstddef>

namespace velk {

// Advises huge pages for the whole 2 MB pages inside [p, p + bytes); small buffers are left alone.
void AdviseHugePages(void* p, std::size_t bytes);
// Maps the whole pages inside [p, p + bytes) at once, for a buffer about to be written in full.
void MapPagesNow(void* p, std::size_t bytes);

// reserve(n), then the huge-page advice on the reserved room (vector or string). For a reserve
// that is only an upper bound of what will be written.
template <class Container>
void ReserveLarge(Container& c, std::size_t n) {
  c.reserve(n);
  AdviseHugePages(c.data(), c.capacity() * sizeof(*c.data()));
}

// ReserveLarge for n elements that will all be written straight away.
template <class Container>
void ReserveFilled(Container& c, std::size_t n) {
  ReserveLarge(c, n);
  MapPagesNow(c.data(), n * sizeof(*c.data()));
}

}  // namespace velk
