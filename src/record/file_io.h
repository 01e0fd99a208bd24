#pragma once
// Whole-file reading and safe replacing of files, with the program's own failure texts.

#include <string>
#include <string_view>
#include <vector>

namespace velk {

class Interaction;

// Outcome of a file operation the caller must look at: on failure, the message the operator
// sees (a source text with %1 for the arguments).
struct [[nodiscard]] FileResult {
  bool ok = true;
  std::string message;
  std::vector<std::string> args;

  explicit operator bool() const { return ok; }
  // Shows the message when the operation failed; returns ok.
  bool Report(Interaction& ui) const;
  static FileResult Failure(std::string message, std::vector<std::string> args = {});
};

// Reads the whole file into out. False (and errno set) when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& out);

// True when the file can be opened for reading.
bool CanOpenForReading(const std::string& path);

// Replaces the file at path with bytes: writes a temporary file beside it and renames it into
// place, so a failed save never destroys a good earlier file. A symbolic link is followed, so the
// file it names is replaced and the link stays; a target that exists but is no regular file
// (device, pipe) is refused. On failure the message follows the cause:
// "对 %1 的存取被拒绝。" (no permission, read-only file system), "在存取 %1 时磁盘已满。" (disk or
// quota full), else "保存文档失败。".
FileResult WriteFileAtomically(const std::string& path, std::string_view bytes);

// Whether WriteFileAtomically could put a file at path: the path is not a folder and its folder
// exists and takes new files. Nothing is created. A command that writes several files checks them
// all first, so that a bad path refuses the run before any earlier file was replaced. On failure
// the message is the one the save would give.
FileResult CheckWritable(const std::string& path);

// The message for a failed save with the given errno.
FileResult SaveFailure(int error, const std::string& path);

}  // namespace velk
