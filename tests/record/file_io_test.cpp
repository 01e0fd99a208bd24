#include "record/file_io.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "test_files.h"

namespace velk {
namespace {

namespace fs = std::filesystem;

TEST(FileIo, FailedWritesLeaveTheEarlierFileAndNoTemporary) {
  TempDir dir;
  const std::string path = dir.Write("result.DT3", "good earlier content\n");
  // A file-size limit makes the write fail part-way, as a full disk would.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const FileResult r = WriteFileAtomically(path, std::string(100000, 'x'));
  setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, "保存文档失败。");
  EXPECT_EQ(ReadBytes(path), "good earlier content\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);

  // A link is followed: the file it names is replaced, the link stays.
  const auto link = dir.path() / "link.DT3";
  fs::create_symlink(path, link);
  ASSERT_TRUE(WriteFileAtomically(link.string(), "new\n").ok);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadBytes(path), "new\n");
  // Devices are never replaced.
  EXPECT_FALSE(WriteFileAtomically("/dev/null", "x").ok);

  EXPECT_EQ(SaveFailure(EACCES, "/a").message, "对 %1 的存取被拒绝。");
  EXPECT_EQ(SaveFailure(EROFS, "/a").args, std::vector<std::string>{"/a"});
  EXPECT_EQ(SaveFailure(EDQUOT, "/a").message, "在存取 %1 时磁盘已满。");
  EXPECT_EQ(SaveFailure(EIO, "/a").message, "保存文档失败。");
}

// A command that writes several files asks first whether each can be written, so that a bad path
// refuses the run before any earlier file is replaced.
TEST(FileIo, CheckWritableRefusesWhatTheSaveWouldRefuseAndCreatesNothing) {
  TempDir dir;
  fs::create_directories(dir.path() / "folder");
  const std::string earlier = dir.Write("earlier.DT3", "earlier\n");
  dir.Write("plain", "x");
  EXPECT_TRUE(CheckWritable((dir.path() / "new.DT3").string()));
  EXPECT_FALSE(fs::exists(dir.path() / "new.DT3"));
  EXPECT_TRUE(CheckWritable(earlier));
  EXPECT_EQ(ReadBytes(earlier), "earlier\n");

  // A folder, a folder that does not exist and a plain file used as a folder cannot, with the
  // save's own message, and the save itself agrees.
  for (const fs::path& bad :
       {dir.path() / "folder", dir.path() / "missing" / "a.DT3", dir.path() / "plain" / "a.DT3"}) {
    const FileResult r = CheckWritable(bad.string());
    EXPECT_FALSE(r) << bad;
    EXPECT_EQ(r.message, "保存文档失败。") << bad;
    EXPECT_FALSE(WriteFileAtomically(bad.string(), "y")) << bad;
  }
  EXPECT_EQ(fs::directory_iterator(dir.path() / "folder"), fs::directory_iterator());
}

TEST(FileIo, ReadOnlyFolderIsAccessDenied) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  TempDir dir;
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
  const std::string path = (dir.path() / "a.PAT").string();
  const FileResult check = CheckWritable(path);
  const FileResult write = WriteFileAtomically(path, "x");
  fs::permissions(dir.path(), fs::perms::owner_all);
  EXPECT_EQ(check.message, "对 %1 的存取被拒绝。");
  EXPECT_EQ(write.message, "对 %1 的存取被拒绝。");
}

}  // namespace
}  // namespace velk
