// zulparvo: reads, writes, shows and converts character files and runs host scripts.
#include <CLI/CLI.hpp>
#include <array>
#include <cstdio>
#include <exception>

#include "cli/commands.h"

namespace zulparvo::cli {
namespace {

constexpr std::array kCommands{
    Command{"show", "Show character files in readable form, or as JSON with shown names", SetUpShow},
    Command{"export", "Print character files as JSON", SetUpExport},
    Command{"import", "Write a character file from JSON", SetUpImport},
    Command{"add", "Add an entry of a book to a character and run its special calculations", SetUpAdd},
    Command{"remove", "Remove a record from a character, giving back its points", SetUpRemove},
    Command{"search", "Find the entries of the books by name", SetUpSearch},
    Command{"books", "List the books that the profile names and what they hold", SetUpBooks},
    Command{"lookup", "Print the rows of a reference database as JSON", SetUpLookup},
    Command{"run", "Run a host script and print its result as JSON", SetUpRun},
    Command{"demo", "Build a character step by step on the sample books and tell what happened", SetUpDemo},
    Command{"picture", "Draw a bitmap file and write it as PNG", SetUpPicture},
    Command{"convert-db", "Convert a Jet database (.mdb, .accdb) into SQLite, or check a book's database", SetUpConvertDb},
};

int Main(int argc, char** argv) {
  CLI::App app{"zulparvo: character files and special calculations for a point-based role-playing system", "zulparvo"};
  app.set_version_flag("--version", "zulparvo " ZULPARVO_VERSION);
  GlobalOptions global;
  app.add_option("--profile", global.profile, "The profile (INI file) to use")->check(CLI::ExistingFile);
  app.require_subcommand(0, 1);
  app.footer(HelpFooter({"zulparvo demo --save hero.zul", "zulparvo show hero.zul", "zulparvo search staff"},
                        "README.md, then docs/"));
  app.fallthrough();

  std::vector<std::pair<CLI::App*, CommandRunner>> runners;
  for (const Command& command : kCommands) {
    CLI::App* sub = app.add_subcommand(command.name, command.description);
    runners.emplace_back(sub, command.setUp(*sub, global));
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int status = app.exit(error);
    return status == 0 ? kExitOk : kExitUsage;
  }
  for (const auto& [sub, run] : runners) {
    if (sub->parsed()) {
      InstallProfile(global);
      return run();
    }
  }
  std::fputs(app.help().c_str(), stdout);
  return kExitOk;
}

}  // namespace
}  // namespace zulparvo::cli

int main(int argc, char** argv) {
  try {
    return zulparvo::cli::Main(argc, argv);
  } catch (const std::exception& error) {
    return zulparvo::cli::Fail(error.what());
  }
}
