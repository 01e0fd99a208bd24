#include "record/large_buffer.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace velk {

namespace {

// Advice failures only mean the advice was not taken.
void Advise(void* p, std::size_t bytes, std::uintptr_t unit, int advice) {
  const std::uintptr_t begin = (reinterpret_cast<std::uintptr_t>(p) + unit - 1) & ~(unit - 1);
  const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(p) + bytes) & ~(unit - 1);
  if (end > begin) (void)::madvise(reinterpret_cast<void*>(begin), end - begin, advice);
}

}  // namespace

void AdviseHugePages(void* p, std::size_t bytes) {
#ifdef MADV_HUGEPAGE
  constexpr std::uintptr_t kHuge = std::uintptr_t{2} << 20;
  // Below two huge pages the advice saves too little to be worth a system call.
  if (p != nullptr && bytes >= 2 * kHuge) Advise(p, bytes, kHuge, MADV_HUGEPAGE);
#else
  (void)p;
  (void)bytes;
#endif
}

void MapPagesNow(void* p, std::size_t bytes) {
#ifdef MADV_POPULATE_WRITE
  // Small buffers fault a handful of pages; the call would cost more than it saves.
  constexpr std::size_t kMinBytes = std::size_t{256} << 10;
  static const long page = ::sysconf(_SC_PAGESIZE);
  if (p != nullptr && page > 0 && bytes >= kMinBytes) {
    Advise(p, bytes, static_cast<std::uintptr_t>(page), MADV_POPULATE_WRITE);
  }
#else
  (void)p;
  (void)bytes;
#endif
}

}  // namespace velk
