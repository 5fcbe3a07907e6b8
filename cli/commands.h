// The subcommands of zulparvo, each set up on its own CLI11 subcommand.
#pragma once

#include <CLI/CLI.hpp>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

#include "model/character.h"
#include "model/json/json_codec.h"
#include "platform/message_sink.h"

namespace zulparvo::cli {

// Exit statuses: 0 done, 1 an input is unreadable or invalid, 2 a usage error.
inline constexpr int kExitOk = 0;
inline constexpr int kExitInvalidInput = 1;
inline constexpr int kExitUsage = 2;

// Options shared by every subcommand, and the profile they led to.
struct GlobalOptions {
  std::string profile;                    // --profile FILE
  std::filesystem::path profileLookedAt;  // where the profile was looked for (empty: nowhere)
  bool profileFound = false;              // a profile file is there
};

// Adds the subcommand to the application; the returned function runs it once parsed.
using CommandRunner = std::function<int()>;
struct Command {
  const char* name;
  const char* description;
  CommandRunner (*setUp)(CLI::App& subcommand, const GlobalOptions& global);
};

CommandRunner SetUpShow(CLI::App& app, const GlobalOptions& global);
CommandRunner SetUpExport(CLI::App& app, const GlobalOptions& global);
CommandRunner SetUpImport(CLI::App& app, const GlobalOptions& global);
CommandRunner SetUpAdd(CLI::App& app, const GlobalOptions& global);
CommandRunner SetUpRemove(CLI::App& app, const GlobalOptions& global);
CommandRunner SetUpSearch(CLI::App& app, const GlobalOptions& global);
CommandRunner SetUpBooks(CLI::App& app, const GlobalOptions& global);
CommandRunner SetUpLookup(CLI::App& app, const GlobalOptions& global);
CommandRunner SetUpRun(CLI::App& app, const GlobalOptions& global);
CommandRunner SetUpDemo(CLI::App& app, const GlobalOptions& global);
CommandRunner SetUpPicture(CLI::App& app, const GlobalOptions& global);
CommandRunner SetUpConvertDb(CLI::App& app, const GlobalOptions& global);

// The help text's end: "Examples:", the examples one to a line, and the document to read.
std::string HelpFooter(std::initializer_list<const char*> examples, const char* document);

// The readable summary of a character that `show` prints.
void ShowCharacter(std::ostream& out, CChar_Character& character);

// Installs the profile that --profile or the environment names, and notes in `global`
// where it was looked for. Throws std::runtime_error when ZULPARVO_PROFILE names a file
// that does not exist or the profile cannot be read.
void InstallProfile(GlobalOptions& global);

// True when a profile was found; otherwise prints one line on standard error that says
// where it was looked for, how to give one and what cannot be done without.
bool HaveProfile(const GlobalOptions& global, const std::string& without);

// Prints, once per command for each, a line on standard error for every book that the
// character's records come from and that cannot be read (its code and why).
void ReportUnreadableBooks(CObject& record, const GlobalOptions& global);

// The messages without those of failed database opens (the database's error text and
// the "Failure to open Database: " after it), which ReportUnreadableBooks tells once.
std::vector<CMessageCollector::Message> WithoutOpenFailures(const std::vector<CMessageCollector::Message>& messages);

// Runs `work` while holding back the messages it shows; then shows those that are not
// about failed database opens.
void ShowOtherMessages(const std::function<void()>& work);

// Prints "zulparvo: message" on standard error and returns kExitInvalidInput.
int Fail(const std::string& message);

}  // namespace zulparvo::cli
