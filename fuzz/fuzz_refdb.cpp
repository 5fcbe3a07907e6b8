// libFuzzer target: arbitrary bytes as a book's reference database file, then a lookup
// of every kind of row in it. Whatever the file holds, a lookup finds rows, finds none
// or fails within its limits.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/message_sink.h"
#include "platform/profile.h"
#include "refdb/search_processor.h"

namespace {

namespace fs = std::filesystem;

// A folder of the process's own with the book B05 and a profile that names it.
struct Book {
  fs::path folder = fs::temp_directory_path() / ("zulparvo-fuzz-refdb-" + std::to_string(getpid()));
  fs::path file = folder / "B05.db";
  Book() {
    fs::create_directories(folder);
    std::ofstream(folder / "zulparvo.ini") << "[DATABASE]\nB05 = B05.db\n[LOOKUP]\nTIMEOUT = 100\n";
    zulparvo::SetAppProfile(zulparvo::CProfile::Load(folder / "zulparvo.ini"));
  }
  ~Book() { fs::remove_all(folder); }
  Book(const Book&) = delete;
  Book& operator=(const Book&) = delete;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace zulparvo;
  static const Book book;
  // What an earlier input left beside its file (a journal, a log) must not change this one.
  for (const char* suffix : {"-journal", "-wal", "-shm"}) fs::remove(book.file.string() + suffix);
  std::ofstream(book.file, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                      static_cast<std::streamsize>(size));
  const CMessageCollector quiet;
  CSearchProcessor processor;  // opens the file once for this input's lookups
  const char* const kCategories[] = {"AD", "ARMOR", "EQUIPMENT", "MANEUVER", "ENHANCEMENTS",
                                     "SKILL", "SPELLS", "SUPER-POWERS", "WEAPONS"};
  for (const char* category : kCategories) {
    CDatabaseItem item(*ItemKindForCategory(category));
    item.SetBookCode("B05");
    item.SetCategory(category);
    item.SetIdentifier(1);
    const LookupResult result = processor.Lookup(item);
    if (result.rows.size() > kMaxLookupRows || (result.status == LookupStatus::Found) == result.rows.empty()) {
      std::abort();
    }
  }
  return 0;
}
