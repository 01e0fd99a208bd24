#pragma once
// The instrument readers on a file's bytes already in memory, for ReadRecording, the fuzz targets
// and the tests. Their messages name the file as %1 and carry their own args from %2 on;
// ReadRecording puts the path in front.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "record/recording.h"
#include "record/tr_noop.h"

namespace velk {

// Messages shared by several readers.
inline constexpr const char* kRecNoData = VELK_TRANSLATE_NOOP("velk", "文件 %1 中没有数据。");
inline constexpr const char* kRecUnknownFormat =
    VELK_TRANSLATE_NOOP("velk", "无法识别文件 %1 的格式，请指定文件格式。");
inline constexpr const char* kRecNotText = VELK_TRANSLATE_NOOP("velk", "文件 %1 不是文本文件。");
inline constexpr const char* kRecFrequencyDomain =
    VELK_TRANSLATE_NOOP("velk", "文件 %1 是频域数据（%2），不是波形记录。");
inline constexpr const char* kRecTruncated =
    VELK_TRANSLATE_NOOP("velk", "文件 %1 不完整：数据块长度 %2 字节超出文件。");
inline constexpr const char* kRecBadPointCount =
    VELK_TRANSLATE_NOOP("velk", "文件 %1 中的点数 %2 无效。");
inline constexpr const char* kRecTooLong =
    VELK_TRANSLATE_NOOP("velk", "文件 %1 的点数超过了可以处理的范围。");
inline constexpr const char* kRecBadScale =
    VELK_TRANSLATE_NOOP("velk", "文件 %1 中的换算系数 %2 无效：换算出的电压超出范围。");

// A recording never holds more samples than a wave can (the smoothed wave holds one more, and its
// length is an int).
inline constexpr std::int64_t kMaxRecordingPoints = 2147483646;

RecordingResult RecordingFailure(std::string text, std::vector<std::string> args = {});

RecordingResult ParseIsf(std::string_view bytes);
RecordingResult ParseTekCsv(std::string_view text);
RecordingResult ParseTrc(std::string_view bytes);
RecordingResult ParseDelimited(std::string_view text, const DelimitedOverride& layout = {});
// Tektronix text: record length, three header numbers, samples; one channel "1".
RecordingResult ParseTektronixText(std::string_view text);
// Detects (kAuto) and reads.
RecordingResult ParseRecording(std::string_view bytes, RecordingFormat format,
                               const DelimitedOverride& layout = {});

// True when every value is a finite number: a scale of 1e308 or NaN in a header must not reach a
// wave as infinities.
bool AllFinite(const std::vector<double>& values);
// True when bytes hold something no text export has: a NUL or other control bytes.
bool LooksBinary(std::string_view bytes);
// Text of a number for a message ("400e-09", "10000").
std::string NumberText(double v);

}  // namespace velk
