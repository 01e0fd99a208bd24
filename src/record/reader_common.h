#pragma once
// What the three readers share: their failure texts and the final hand-over into the record.

#include <cstdint>
#include <string>
#include <vector>

namespace velk {

class CVelkDoc;
class Interaction;

inline constexpr const char* kAllocFault = "Alloc memory fault";
inline constexpr const char* kOpenFault = "Open file %1 fault!";
inline constexpr const char* kNoData = "文件 %1 中没有数据。";
inline constexpr const char* kNegativeStart = "开始点不能为负数。";

// Cuts or zero-pads both channels to pointCount samples and installs them with working and
// smoothed waves, then sets flags. kReadOk, or kReadFailed after "Alloc memory fault" when the
// memory cannot be had (the record is then unchanged).
int InstallChannels(CVelkDoc& doc, Interaction& ui, std::vector<double> incident,
                    std::vector<double> transmitted, std::int64_t pointCount,
                    std::uint32_t sourceFlag);

}  // namespace velk
