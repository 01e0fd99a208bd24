#pragma once
// What the three readers share: their failure texts and the final hand-over into the record.

#include <array>
#include <cstdint>
#include <future>
#include <string>
#include <vector>

#include "record/tr_noop.h"

namespace velk {

class CVelkDoc;
class Interaction;

inline constexpr const char* kAllocFault = VELK_TRANSLATE_NOOP("velk", "Alloc memory fault");
inline constexpr const char* kOpenFault = VELK_TRANSLATE_NOOP("velk", "Open file %1 fault!");
inline constexpr const char* kNoData = VELK_TRANSLATE_NOOP("velk", "文件 %1 中没有数据。");
inline constexpr const char* kNegativeStart = VELK_TRANSLATE_NOOP("velk", "开始点不能为负数。");

// Cuts or zero-pads both channels to pointCount samples and installs them as the raw waves (the
// wave copies are made later, when needed), then sets flags. kReadOk, or kReadFailed (the record is
// then unchanged) after "Alloc memory fault" for a negative count or memory that cannot be had, or
// after the no-data message naming dataPath for a count of 0.
int InstallChannels(CVelkDoc& doc, Interaction& ui, std::vector<double> incident,
                    std::vector<double> transmitted, std::int64_t pointCount,
                    std::uint32_t sourceFlag, const std::string& dataPath);

// Reads the two channel files at once: read(1) on a second thread while read(0) runs on this one
// (one after the other where no thread can be had). read(c) must not throw; it keeps what went
// wrong in its result, and the reader then reports the results in channel order, so a failed
// incident file is still the one named, exactly as when the files were read one after the other.
template <class Read>
auto ReadBothChannels(Read read) -> std::array<decltype(read(0)), 2> {
  auto transmitted = std::async(std::launch::async | std::launch::deferred, read, 1);
  auto incident = read(0);
  return {std::move(incident), transmitted.get()};
}

}  // namespace velk
