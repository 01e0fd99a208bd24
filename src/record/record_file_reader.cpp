#include <new>
#include <string>
#include <vector>

#include "record/c_number.h"
#include "record/file_io.h"
#include "record/interaction.h"
#include "record/large_buffer.h"
#include "record/reader.h"
#include "record/reader_common.h"
#include "record/text_lines.h"
#include "record/tr_noop.h"
#include "record/velk_doc.h"

namespace velk {

namespace {

// The recorder stores its readings less 512; keep the offset so old results reproduce.
constexpr double kRecorderOffset = 512.0;

}  // namespace

int RecordFileReader::Read(CVelkDoc& doc, Interaction& ui) {
  try {
    std::string text;
    if (!ReadWholeFile(m_path, text)) {
      ui.ShowMessage(VELK_TRANSLATE_NOOP("velk", "打开文档失败。"));
      return kReadFailed;
    }
    std::vector<double> values;
    ReserveLarge(values, text.size() / 2 + 1);
    LineReader lines(text);
    std::string_view line;
    // The data end at the first empty line; a line without a number counts as 0.
    while (lines.Next(line) && !line.empty()) values.push_back(Atof(line) - kRecorderOffset);

    const std::size_t n = values.size();
    const std::size_t points = (n + 1) / 2;
    // The incident channel is the first half; with an odd count the transmitted channel's last
    // position has no reading and stays 0.
    std::vector<double> transmitted;
    ReserveFilled(transmitted, n - points);
    transmitted.assign(values.begin() + static_cast<std::ptrdiff_t>(points), values.end());
    values.resize(points);
    return InstallChannels(doc, ui, std::move(values), std::move(transmitted),
                           static_cast<std::int64_t>(points), kRecordFileSource, m_path);
  } catch (const std::bad_alloc&) {
    ui.ShowMessage(kAllocFault);
    return kReadFailed;
  }
}

}  // namespace velk
