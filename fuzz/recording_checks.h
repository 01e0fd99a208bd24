#pragma once
// What every instrument reader must give, checked after each fuzzed read: on success at least one
// channel, no channel empty and no more samples than the file has bytes; on failure a message and
// no channel.

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "record/recording.h"

namespace velk::fuzz {

inline void CheckRecording(const RecordingResult& r, std::string_view bytes) {
  auto fail = [](const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
  };
  if (!r.ok) {
    if (r.message.empty()) fail("a refusal without a message");
    if (!r.recording.channels.empty()) fail("a refusal that kept channels");
    return;
  }
  if (r.recording.channels.empty()) fail("a recording without a channel");
  for (const RecordingChannel& ch : r.recording.channels) {
    if (ch.values.empty()) fail("an empty channel");
    if (ch.values.size() > bytes.size()) fail("more samples than bytes");
    if (!(ch.sampleIntervalS >= 0)) fail("a negative or NaN sample interval");
  }
}

}  // namespace velk::fuzz
