// CS20000 reader on a fuzzed pair of files. Control bytes: the two start points.
#include <cstdint>

#include "record/reader.h"
#include "wave_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velk::fuzz::ReadFuzzedPair(data, size, velk::ReadCs20000Waves);
  return 0;
}
