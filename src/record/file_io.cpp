#include "record/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "record/interaction.h"
#include "record/large_buffer.h"
#include "record/tr_noop.h"

namespace velk {

bool FileResult::Report(Interaction& ui) const {
  if (!ok) ui.ShowMessage(message, args);
  return ok;
}

FileResult FileResult::Failure(std::string message, std::vector<std::string> args) {
  FileResult r;
  r.ok = false;
  r.message = std::move(message);
  r.args = std::move(args);
  return r;
}

bool ReadWholeFile(const std::string& path, std::string& out) {
  out.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    errno = EISDIR;
    return false;
  }
  if (st.st_size > 0) ReserveFilled(out, static_cast<std::size_t>(st.st_size));
  char buf[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      const int e = errno;
      ::close(fd);
      errno = e;
      return false;
    }
    out.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return true;
}

bool CanOpenForReading(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  const bool dir = ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode);
  ::close(fd);
  return !dir;
}

FileResult SaveFailure(int error, const std::string& path) {
  switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
      return FileResult::Failure(VELK_TRANSLATE_NOOP("velk", "对 %1 的存取被拒绝。"), {path});
    case ENOSPC:
    case EDQUOT:
      return FileResult::Failure(VELK_TRANSLATE_NOOP("velk", "在存取 %1 时磁盘已满。"), {path});
    default:
      return FileResult::Failure(VELK_TRANSLATE_NOOP("velk", "保存文档失败。"));
  }
}

FileResult CheckWritable(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  std::string target = path;
  if (fs::is_symlink(path, ec)) {
    const fs::path resolved = fs::weakly_canonical(path, ec);
    if (!ec) target = resolved.string();
  }
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return SaveFailure(EISDIR, path);
  fs::path folder = fs::path(target).parent_path();
  if (folder.empty()) folder = ".";
  if (::stat(folder.c_str(), &st) != 0) return SaveFailure(errno, path);
  if (!S_ISDIR(st.st_mode)) return SaveFailure(ENOTDIR, path);
  // The temporary file is created in the folder and renamed there.
  if (::access(folder.c_str(), W_OK | X_OK) != 0) return SaveFailure(errno, path);
  return {};
}

namespace {

bool WriteAll(int fd, std::string_view bytes) {
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

namespace {

// umask can only be read by setting it; doing that on every save would let two threads that save
// at once leave the process with a umask of 0. Read once; nothing in the program changes it.
mode_t ProcessUmask() {
  static const mode_t mask = [] {
    const mode_t m = ::umask(0);
    ::umask(m);
    return m;
  }();
  return mask;
}

}  // namespace

FileResult WriteFileAtomically(const std::string& path, std::string_view bytes) {
  namespace fs = std::filesystem;
  std::error_code ec;
  // Replace what a link points at, not the link itself.
  std::string target = path;
  if (fs::is_symlink(path, ec)) {
    const fs::path resolved = fs::weakly_canonical(path, ec);
    if (!ec) target = resolved.string();
  }

  mode_t mode = 0666;
  struct stat st {};
  const bool existed = ::stat(target.c_str(), &st) == 0;
  if (existed) {
    if (S_ISDIR(st.st_mode)) return SaveFailure(EISDIR, path);
    // Never rename a file over a device, pipe or socket.
    if (!S_ISREG(st.st_mode)) return SaveFailure(EACCES, path);
    mode = st.st_mode & 07777;
  } else {
    mode &= ~ProcessUmask();
  }

  std::string temp = target + ".velk-XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return SaveFailure(errno, path);

  auto fail = [&](int error) {
    ::close(fd);
    ::unlink(temp.c_str());
    return SaveFailure(error, path);
  };
  if (!WriteAll(fd, bytes)) return fail(errno);
  if (::fchmod(fd, mode) != 0 && errno != EPERM) return fail(errno);
  if (::fsync(fd) != 0) return fail(errno);
  if (::close(fd) != 0) {
    const int e = errno;
    ::unlink(temp.c_str());
    return SaveFailure(e, path);
  }
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    const int e = errno;
    ::unlink(temp.c_str());
    return SaveFailure(e, path);
  }
  return {};
}

}  // namespace velk
