// The Tektronix CSV reader on a fuzzed file image, and format detection on the same bytes.
#include <cstdint>
#include <string_view>

#include "record/recording_parse.h"
#include "recording_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  velk::fuzz::CheckRecording(velk::ParseTekCsv(bytes), bytes);
  velk::fuzz::CheckRecording(velk::ParseRecording(bytes, velk::RecordingFormat::kAuto), bytes);
  return 0;
}
