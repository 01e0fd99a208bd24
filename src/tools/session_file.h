#pragma once
// The session file ".velks": JSON naming the input files (relative to the session file), how
// they were opened, the settings and every command that changed the curves, with the operator's
// answers, so that opening it replays the test bit for bit.

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "record/file_io.h"
#include "record/session_journal.h"
#include "record/velk_doc.h"

namespace velk {

inline constexpr const char* kSessionFormat = "velk-session";
inline constexpr int kSessionVersion = 1;
inline constexpr const char* kSessionExtension = ".velks";

struct SessionFile {
  SessionJournal journal;    // paths absolute
  SessionSettings settings;  // in force when the session was saved
};

nlohmann::json SettingsJson(const SessionSettings& s);

// The record's journal and present settings as a session; a failure (a test not read from files)
// names the reason.
FileResult SessionOf(const CVelkDoc& doc, SessionFile& out);
// The text of the file at sessionPath; input paths become relative to its folder.
std::string SessionText(const SessionFile& s, const std::string& sessionPath);
// Parses a session file's text; relative input paths are taken from sessionPath's folder. A
// failure names sessionPath: damaged text, another format, or a newer version.
FileResult ParseSession(std::string_view text, const std::string& sessionPath, SessionFile& out);
FileResult ReadSessionFile(const std::string& path, SessionFile& out);
FileResult WriteSessionFile(const std::string& path, const CVelkDoc& doc);

}  // namespace velk
