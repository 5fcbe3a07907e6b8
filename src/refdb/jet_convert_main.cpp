// zulparvo-jet-convert: converts one Jet database into an SQLite file, in a process of
// its own, so that a damaged or hostile file cannot take the program that asked for it
// down with it. Not meant to be run by hand: `zulparvo convert-db` and the reference
// databases run it (see refdb/jet_process.h).
//
//   zulparvo-jet-convert [--max-memory-mb N] [--max-cpu-seconds N] [--max-output-mb N] [--] IN OUT
//
// The limits are set on this process before the file is opened. Standard output
// carries one line per event, fields separated by tabs:
//   table <index> <count> <rows> <name>   a table has been copied
//   done <tables> <rows>                  the copy is complete
//   error <text>                          the copy failed, and why
// Exit status 0 after "done", 1 after "error", 2 on a usage error.
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "refdb/jet_convert.h"

namespace {

int Usage() {
  std::fputs(
      "error\tusage: zulparvo-jet-convert [--max-memory-mb N] [--max-cpu-seconds N] [--max-output-mb N] [--] IN OUT\n",
      stdout);
  return 2;
}

// Soft and hard limit, within the hard limit that this process was given.
bool Limit(int resource, rlim_t value) {
  struct rlimit limit {};
  if (getrlimit(resource, &limit) != 0) return false;
  if (limit.rlim_max != RLIM_INFINITY) value = std::min(value, limit.rlim_max);
  limit = {value, value};
  return setrlimit(resource, &limit) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  // Texts come out of libmdb in UTF-8 whatever the caller's environment says.
  setenv("MDBICONV", "UTF-8", 1);
  // Each line reaches the caller when written, also when a limit ends the process.
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  int next = 1;
  for (; next + 1 < argc && std::string_view(argv[next]).starts_with("--max-"); next += 2) {
    const std::string_view option = argv[next];
    char* end = nullptr;
    const unsigned long long value = std::strtoull(argv[next + 1], &end, 10);
    if (end == argv[next + 1] || *end != '\0' || value == 0) return Usage();
    bool set = true;
    if (option == "--max-memory-mb") {
      // Not under AddressSanitizer, which reserves far more address space than it uses.
#ifndef ZULPARVO_NO_MEMORY_LIMIT
      set = Limit(RLIMIT_AS, static_cast<rlim_t>(value) << 20);
#endif
    } else if (option == "--max-cpu-seconds") {
      set = Limit(RLIMIT_CPU, static_cast<rlim_t>(value));
    } else if (option == "--max-output-mb") {
      set = Limit(RLIMIT_FSIZE, static_cast<rlim_t>(value) << 20);
    } else {
      return Usage();
    }
    if (!set) {
      std::printf("error\tcannot set the limit %s\n", argv[next]);
      return 1;
    }
  }
  if (next < argc && std::string_view(argv[next]) == "--") ++next;
  if (argc - next != 2) return Usage();

  const zulparvo::JetConversion result =
      zulparvo::ConvertJetFile(argv[next], argv[next + 1], [](const zulparvo::JetTableDone& table) {
        std::printf("table\t%d\t%d\t%lld\t%s\n", table.index, table.count, static_cast<long long>(table.rows),
                    table.name.c_str());
      });
  if (!result.ok) {
    std::printf("error\t%s\n", result.error.c_str());
    return 1;
  }
  std::printf("done\t%d\t%lld\n", result.tables, static_cast<long long>(result.rows));
  return 0;
}
