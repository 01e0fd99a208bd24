#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "record/recording_parse.h"

namespace velk {
namespace {

// A LeCroy waveform built field by field from the LECROY_2_3 template: the WAVEDESC block (346
// bytes), the blocks it announces, then the samples.
struct TrcImage {
  bool littleEndian = true;
  bool words = false;  // COMM_TYPE: 0 byte, 1 word
  std::vector<int> raw;
  float gain = 0.25f;
  float offset = 0.5f;
  float intervalS = 1e-7f;
  int segments = 1;
  int trigtimeBytes = 0;  // 16 per segment in a sequence
  int userTextBytes = 0;
  int source = 1;  // WAVE_SOURCE: 0 is channel 1
  bool blockPrefix = true;

  std::string Bytes() const {
    std::string d(346, '\0');
    auto put = [&](std::size_t at, const void* v, std::size_t n) {
      const auto* b = static_cast<const unsigned char*>(v);
      for (std::size_t k = 0; k < n; ++k)
        d[at + k] = static_cast<char>(b[littleEndian ? k : n - 1 - k]);
    };
    auto word = [&](std::size_t at, std::int16_t v) { put(at, &v, 2); };
    auto word32 = [&](std::size_t at, std::int32_t v) { put(at, &v, 4); };
    auto real = [&](std::size_t at, float v) { put(at, &v, 4); };
    std::memcpy(&d[0], "WAVEDESC", 8);      // DESCRIPTOR_NAME
    std::memcpy(&d[16], "LECROY_2_3", 10);  // TEMPLATE_NAME
    word(32, words ? 1 : 0);                // COMM_TYPE
    word(34, littleEndian ? 1 : 0);         // COMM_ORDER: 0 HIFIRST, 1 LOFIRST
    word32(36, 346);                        // WAVE_DESCRIPTOR
    word32(40, userTextBytes);              // USER_TEXT
    word32(48, trigtimeBytes);              // TRIGTIME_ARRAY
    const int width = words ? 2 : 1;
    word32(60, static_cast<std::int32_t>(raw.size()) * width);  // WAVE_ARRAY_1, bytes
    word32(116, static_cast<std::int32_t>(raw.size()));         // WAVE_ARRAY_COUNT
    word32(144, segments);                                      // SUBARRAY_COUNT
    real(156, gain);                                            // VERTICAL_GAIN
    real(160, offset);                                          // VERTICAL_OFFSET
    real(176, intervalS);                                       // HORIZ_INTERVAL
    std::memcpy(&d[196], "V", 1);                               // VERTUNIT
    word(344, static_cast<std::int16_t>(source));               // WAVE_SOURCE
    // Filler the reader must step over: user text and trigger times are not samples.
    d += std::string(static_cast<std::size_t>(userTextBytes), 'u');
    d += std::string(static_cast<std::size_t>(trigtimeBytes), '\x7f');
    for (const int v : raw) {
      const auto u = static_cast<std::uint16_t>(v);
      if (!words) {
        d += static_cast<char>(u & 0xFF);
      } else if (littleEndian) {
        d += {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
      } else {
        d += {static_cast<char>(u >> 8), static_cast<char>(u & 0xFF)};
      }
    }
    if (!blockPrefix) return d;
    const std::string len = std::to_string(d.size());
    return "#9" + std::string(9 - len.size(), '0') + len + d;
  }
};

TEST(TrcReader, ByteOrderSampleWidthAndScaling) {
  TrcImage byteLe;
  byteLe.raw = {-128, -1, 0, 127};
  byteLe.userTextBytes = 20;
  TrcImage wordBe;
  wordBe.littleEndian = false;  // COMM_ORDER 0
  wordBe.words = true;
  wordBe.blockPrefix = false;
  wordBe.raw = {0x0102, -2, 300, -32768};
  wordBe.source = 2;
  TrcImage wordLe = wordBe;
  wordLe.littleEndian = true;
  wordLe.blockPrefix = true;
  for (const TrcImage& image : {byteLe, wordBe, wordLe}) {
    SCOPED_TRACE(testing::Message() << "words " << image.words << " LE " << image.littleEndian);
    const RecordingResult r = ParseTrc(image.Bytes());
    ASSERT_TRUE(r.ok) << r.message;
    ASSERT_EQ(r.recording.channels.size(), 1u);
    const RecordingChannel& ch = r.recording.channels[0];
    EXPECT_EQ(ch.name, "C" + std::to_string(image.source + 1));
    EXPECT_EQ(ch.unit, "V");
    // The instrument's 100 ns, not the float's 1.00000001e-7.
    EXPECT_EQ(ch.sampleIntervalS, 1e-7);
    ASSERT_EQ(ch.values.size(), image.raw.size());
    for (std::size_t k = 0; k < image.raw.size(); ++k) {
      EXPECT_DOUBLE_EQ(ch.values[k], image.raw[k] * 0.25 - 0.5) << k;
    }
    EXPECT_TRUE(r.recording.notes.empty());
  }
}

TEST(TrcReader, SequenceReadsItsFirstSegmentAfterTheTriggerTimes) {
  TrcImage seq;
  seq.words = true;
  seq.segments = 3;
  seq.trigtimeBytes = 3 * 16;
  seq.raw = {10, 20, 30, 40, 50, 60};
  const RecordingResult r = ParseTrc(seq.Bytes());
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.recording.channels[0].values,
            (std::vector<double>{10 * 0.25 - 0.5, 20 * 0.25 - 0.5}));
  ASSERT_EQ(r.recording.notes.size(), 1u);
  EXPECT_EQ(r.recording.notes[0].text, "文件 %1 是分段记录（%2 段），只读入了第一段。");
  EXPECT_EQ(r.recording.notes[0].args, std::vector<std::string>{"3"});
}

TEST(TrcReader, ShortFilesAndScalesWithoutVoltsAreRefused) {
  TrcImage good;
  good.words = true;
  good.raw = {1, 2, 3, 4};
  const std::string bytes = good.Bytes();
  TrcImage longText = good;
  longText.userTextBytes = 1000;
  std::string textCut = longText.Bytes();
  textCut.resize(textCut.size() - 1000);  // the user text announced but missing
  TrcImage nanGain = good;
  nanGain.gain = std::numeric_limits<float>::quiet_NaN();
  struct Case {
    std::string bytes;
    const char* message;
  } cases[] = {
      {bytes.substr(0, 11 + 200), "文件 %1 不完整：波形描述比文件长。"},
      {bytes.substr(0, bytes.size() - 1), kRecTruncated},
      {textCut, kRecTruncated},
      {nanGain.Bytes(), kRecBadScale},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes.size());
    const RecordingResult r = ParseTrc(c.bytes);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, c.message);
    EXPECT_TRUE(r.recording.channels.empty());
  }
}

}  // namespace
}  // namespace velk
