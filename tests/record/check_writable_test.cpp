// A command that writes several files asks first whether each can be written, so that a bad path
// refuses the run before any earlier file is replaced.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "record/file_io.h"

namespace velk {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}

TEST(CheckWritable, RefusesWhatTheSaveWouldRefuseAndCreatesNothing) {
  const fs::path dir = fs::temp_directory_path() / ("velk-writable-" + std::to_string(getpid()));
  fs::create_directories(dir / "folder");
  { std::ofstream(dir / "earlier.DT3") << "earlier\n"; }
  { std::ofstream(dir / "plain") << "x"; }

  // A new file in an existing folder, and an existing file, can be written; nothing is created
  // or changed by asking.
  EXPECT_TRUE(CheckWritable((dir / "new.DT3").string()));
  EXPECT_FALSE(fs::exists(dir / "new.DT3"));
  EXPECT_TRUE(CheckWritable((dir / "earlier.DT3").string()));
  EXPECT_EQ(Read(dir / "earlier.DT3"), "earlier\n");

  // A folder, a folder that does not exist and a plain file used as a folder cannot, with the
  // save's own message.
  for (const fs::path& bad : {dir / "folder", dir / "missing" / "a.DT3", dir / "plain" / "a.DT3"}) {
    const FileResult r = CheckWritable(bad.string());
    EXPECT_FALSE(r) << bad;
    EXPECT_EQ(r.message, "保存文档失败。") << bad;
    // The save itself agrees.
    EXPECT_FALSE(WriteFileAtomically(bad.string(), "y")) << bad;
  }
  EXPECT_EQ(fs::directory_iterator(dir / "folder"), fs::directory_iterator());
  fs::remove_all(dir);
}

TEST(CheckWritable, ReadOnlyFolderIsAccessDenied) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  const fs::path dir = fs::temp_directory_path() / ("velk-readonly-" + std::to_string(getpid()));
  fs::create_directories(dir);
  fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
  const FileResult r = CheckWritable((dir / "a.PAT").string());
  fs::permissions(dir, fs::perms::owner_all);
  fs::remove_all(dir);
  EXPECT_EQ(r.message, "对 %1 的存取被拒绝。");
}

}  // namespace
}  // namespace velk
