// The subcommands of zulparvo, each set up on its own CLI11 subcommand.
#pragma once

#include <functional>
#include <ostream>

#include <CLI/CLI.hpp>

#include "model/character.h"

namespace zulparvo::cli {

// Exit statuses: 0 done, 1 an input is unreadable or invalid, 2 a usage error.
inline constexpr int kExitOk = 0;
inline constexpr int kExitInvalidInput = 1;
inline constexpr int kExitUsage = 2;

// Options shared by every subcommand.
struct GlobalOptions {
  std::string profile;  // --profile FILE
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
CommandRunner SetUpLookup(CLI::App& app, const GlobalOptions& global);
CommandRunner SetUpRun(CLI::App& app, const GlobalOptions& global);
CommandRunner SetUpDemo(CLI::App& app, const GlobalOptions& global);
CommandRunner SetUpPicture(CLI::App& app, const GlobalOptions& global);
CommandRunner SetUpConvertDb(CLI::App& app, const GlobalOptions& global);

// The readable summary of a character that `show` prints.
void ShowCharacter(std::ostream& out, CChar_Character& character);

// Installs the profile that --profile or the environment names.
void InstallProfile(const GlobalOptions& global);

// Prints "zulparvo: message" on standard error and returns kExitInvalidInput.
int Fail(const std::string& message);

}  // namespace zulparvo::cli
