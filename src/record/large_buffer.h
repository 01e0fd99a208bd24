#pragma once
// Room for a whole recording. Every array of a long recording is written once, front to back,
// right after it is allocated, and with 4 KB pages that costs a page fault every 512 samples: on a
// virtual machine the faults took three quarters of the time to read a million-sample pair. Asking
// the kernel for huge pages on such a buffer before it is touched removes nearly all of them. It is
// advice only: where huge pages are switched off, nothing changes.

#include <cstddef>

namespace velk {

// Advises huge pages for the whole 2 MB pages inside [p, p + bytes); small buffers are left alone.
void AdviseHugePages(void* p, std::size_t bytes);

// reserve(n), then the advice on the reserved room (vector or string).
template <class Container>
void ReserveLarge(Container& c, std::size_t n) {
  c.reserve(n);
  AdviseHugePages(c.data(), c.capacity() * sizeof(*c.data()));
}

}  // namespace velk
