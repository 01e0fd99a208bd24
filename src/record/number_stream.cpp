#include "record/number_stream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace velk {

NumberStream::~NumberStream() {
  if (m_fd >= 0) ::close(m_fd);
}

bool NumberStream::Open(const std::string& path) {
  if (m_fd >= 0) ::close(m_fd);
  m_fd = -1;
  m_fileSize = 0;
  m_eof = m_failed = false;
  m_filled = 0;
  if (m_buf.size() < m_pieceBytes) m_buf.resize(m_pieceBytes);
  m_p = m_end = m_buf.data();

  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) == 0) {
    if (S_ISDIR(st.st_mode)) {
      ::close(fd);
      errno = EISDIR;
      return false;
    }
    if (S_ISREG(st.st_mode)) m_fileSize = st.st_size;
  }
  m_fd = fd;
  return true;
}

bool NumberStream::Refill() {
  if (m_fd < 0) return false;
  char* data = m_buf.data();
  // What follows the last white space of the piece just scanned is the start of a number (or of
  // whatever ends the data): it moves to the front and the next piece continues it.
  const std::size_t used = static_cast<std::size_t>(m_end - data);
  const std::size_t tail = m_filled - used;
  std::memmove(data, data + used, tail);
  m_filled = tail;
  m_p = m_end = data;
  for (;;) {
    if (m_eof) {
      m_end = data + m_filled;
      return m_filled > 0;
    }
    // Text without white space as long as the buffer: the buffer grows to hold it whole.
    if (m_filled == m_buf.size()) {
      m_buf.resize(m_buf.size() * 2);
      data = m_buf.data();
      m_p = m_end = data;
    }
    const ssize_t n = ::read(m_fd, data + m_filled, m_buf.size() - m_filled);
    if (n < 0) {
      if (errno == EINTR) continue;
      m_failed = true;
      m_filled = 0;
      m_eof = true;
      continue;
    }
    if (n == 0) {
      m_eof = true;
      continue;
    }
    const std::size_t from = m_filled;
    m_filled += static_cast<std::size_t>(n);
    for (std::size_t k = m_filled; k > from; --k) {
      if (IsCSpace(data[k - 1])) {
        m_end = data + k;
        return true;
      }
    }
  }
}

}  // namespace velk
