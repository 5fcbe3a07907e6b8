// zulparvo: reads, writes, shows and converts character files and runs host scripts.
#include <CLI/CLI.hpp>
#include <malloc.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
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

// A command on a large character allocates tens of megabytes of small records, and where
// page faults are dear (a virtual machine) they take most of its time. The heap is made
// to take every block, large ones too, and to grow a gigabyte of address space at a time
// that the system is asked to back with huge pages: a fault then brings two megabytes
// instead of four kilobytes. Where address space or data size are limited, the heap is
// left as it is.
void PlaceTheHeapOnHugePages() {
  constexpr int kStep = 1 << 30;
  for (const int resource : {RLIMIT_AS, RLIMIT_DATA}) {
    rlimit limit{};
    if (::getrlimit(resource, &limit) != 0 || limit.rlim_cur != RLIM_INFINITY) return;
  }
  if (::mallopt(M_MMAP_MAX, 0) == 0 || ::mallopt(M_TOP_PAD, kStep) == 0) return;
  const auto start = reinterpret_cast<uintptr_t>(::sbrk(0));
  void* volatile block = std::malloc(std::size_t{1} << 20);  // the heap grows now
  std::free(block);
  const auto end = reinterpret_cast<uintptr_t>(::sbrk(0));
  const auto page = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
  const uintptr_t first = (start + page - 1) & ~(page - 1);
  if (end > first) ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
}

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
  zulparvo::cli::PlaceTheHeapOnHugePages();
  try {
    return zulparvo::cli::Main(argc, argv);
  } catch (const std::exception& error) {
    return zulparvo::cli::Fail(error.what());
  }
}
