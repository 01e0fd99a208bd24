#pragma once
// Line-by-line reading of text held in memory. A line ends at LF, at CR LF, or at a lone CR (files
// from old Macintosh tools); the last line needs no end. The line handed out never contains its
// end.

#include <cstddef>
#include <string_view>

namespace velk {

class LineReader {
 public:
  explicit LineReader(std::string_view text) : m_text(text) {}

  // Next line into line; false at the end of the text.
  bool Next(std::string_view& line) {
    if (m_pos >= m_text.size()) return false;
    std::size_t i = m_pos;
    while (i < m_text.size() && m_text[i] != '\n' && m_text[i] != '\r') ++i;
    line = m_text.substr(m_pos, i - m_pos);
    if (i < m_text.size()) {
      if (m_text[i] == '\r' && i + 1 < m_text.size() && m_text[i + 1] == '\n') ++i;
      ++i;
    }
    m_pos = i;
    return true;
  }

 private:
  std::string_view m_text;
  std::size_t m_pos = 0;
};

}  // namespace velk
