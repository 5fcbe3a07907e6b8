// zulparvo: reads, writes, shows and converts character files and runs host scripts.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
  CLI::App app{"zulparvo: character files and special calculations for a point-based role-playing system",
               "zulparvo"};
  app.set_version_flag("--version", "zulparvo " ZULPARVO_VERSION);
  app.require_subcommand(0, 1);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    // Usage errors end with status 2; --help and --version with 0.
    const int status = app.exit(error);
    return status == 0 ? 0 : 2;
  }
  if (app.get_subcommands().empty()) {
    std::fputs(app.help().c_str(), stdout);
  }
  return 0;
}
