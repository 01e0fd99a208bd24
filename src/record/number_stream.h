#pragma once
// The numbers of a text file, one after another, exactly as formatted reads from the file would
// give them (see c_number.h), with only a piece of the file in memory at a time. Recorder files
// run to hundreds of megabytes; holding one whole, as text, beside its samples would more than
// double what reading it costs, and copying it into fresh memory took a third of the time.
//
// Every piece handed to the scanner ends just after a white-space character, or at the end of the
// file. A number never contains white space and the scanner never looks past it, so a number is
// never seen cut in two and each scan gives what it gives on the whole text.

#include <cstdint>
#include <string>
#include <vector>

#include "record/c_number.h"

namespace velk {

#ifndef VELK_NUMBER_STREAM_PIECE_BYTES
// Small enough to stay in the processor's cache while it is scanned, large enough that the system
// calls cost little. The fuzz build makes it tiny, so that every input crosses piece boundaries.
#define VELK_NUMBER_STREAM_PIECE_BYTES (std::size_t{64} << 10)
#endif

class NumberStream {
 public:
  // Pieces of pieceBytes (at least 1); a number longer than that grows the piece to hold it.
  explicit NumberStream(std::size_t pieceBytes = VELK_NUMBER_STREAM_PIECE_BYTES)
      : m_pieceBytes(pieceBytes > 0 ? pieceBytes : 1) {}
  NumberStream(const NumberStream&) = delete;
  NumberStream& operator=(const NumberStream&) = delete;
  ~NumberStream();

  // Starts reading path from its beginning (closing a file opened before). False, with errno set,
  // when the file cannot be opened or is a folder.
  bool Open(const std::string& path);
  bool isOpen() const { return m_fd >= 0; }
  // Size of the open file in bytes (0 when unknown).
  std::int64_t fileSize() const { return m_fileSize; }
  // True once reading the file failed; the scans then stop as at its end.
  bool failed() const { return m_failed; }

  // "%d" and "%f" from the file. False at its end or at text that is not such a number; that text
  // then stays unread, so every later scan fails too, as a formatted read stops at a mismatch.
  bool ScanInt(int& out) { return AtToken() && velk::ScanInt(m_p, m_end, out); }
  [[gnu::always_inline]] bool ScanFloat(float& out) {
    return AtToken() && velk::ScanFloat(m_p, m_end, out);
  }

 private:
  // Skips white space, reading on as needed; true when something other than white space follows.
  [[gnu::always_inline]] bool AtToken() {
    for (;;) {
      while (m_p < m_end && IsCSpace(*m_p)) ++m_p;
      if (m_p < m_end) return true;
      if (!Refill()) return false;
    }
  }
  bool Refill();

  std::size_t m_pieceBytes;
  int m_fd = -1;
  std::int64_t m_fileSize = 0;
  bool m_eof = false;
  bool m_failed = false;
  std::vector<char> m_buf;
  std::size_t m_filled = 0;     // bytes of m_buf read from the file
  const char* m_p = nullptr;    // next unread byte of the current piece
  const char* m_end = nullptr;  // end of the current piece
};

}  // namespace velk
