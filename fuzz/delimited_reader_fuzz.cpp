// The delimited-text reader on a fuzzed file image, and format detection on the same bytes. The
// first two bytes also choose an operator's layout, so corrected reads see the same files.
#include <cstdint>
#include <string_view>

#include "record/recording_parse.h"
#include "recording_checks.h"

namespace {

velk::DelimitedOverride LayoutFrom(unsigned char a, unsigned char b) {
  using Override = velk::DelimitedOverride;
  Override o;
  constexpr char kDelimiters[] = {',', ';', '\t'};
  constexpr char kMarks[] = {'.', ','};
  if ((a & 3) < 3) o.delimiter = kDelimiters[a & 3];
  if ((a >> 2 & 3) < 2) o.decimalMark = kMarks[a >> 2 & 1];
  o.time = static_cast<Override::Time>((a >> 4) % 7);
  o.volts = static_cast<Override::Volts>((a >> 7) + (b & 1));
  if (b & 2) o.headerRows = (b >> 2) - 4;  // -4 to 59
  return o;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  velk::fuzz::CheckRecording(velk::ParseDelimited(bytes), bytes);
  velk::fuzz::CheckRecording(velk::ParseRecording(bytes, velk::RecordingFormat::kAuto), bytes);
  if (size >= 2) {
    const std::string_view rest = bytes.substr(2);
    velk::fuzz::CheckRecording(velk::ParseDelimited(rest, LayoutFrom(data[0], data[1])), rest);
  }
  return 0;
}
