// Name lookups in a reference database: a database opened for every lookup against
// databases kept open between lookups (with the check for a replaced file that keeping
// them needs), and the shown name of skill records that carry only their keys.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "model/skill_base.h"
#include "platform/profile.h"
#include "refdb/search_processor.h"

namespace zulparvo {
namespace {

constexpr int32_t kRows = 500;

// A temporary folder, removed at exit.
struct Folder {
  std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("zulparvo-refdb-bench-" + std::to_string(getpid()));
  Folder() { std::filesystem::create_directories(path); }
  ~Folder() { std::filesystem::remove_all(path); }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;
};

// A B05 database with kRows skills in a folder of its own, and a profile naming it.
void InstallBook() {
  static const Folder kFolder;
  static const bool installed = [] {
    const std::filesystem::path& folder = kFolder.path;
    const auto database = folder / "B05.db";
    std::filesystem::remove(database);
    sqlite3* db = nullptr;
    sqlite3_open((folder / "B05.db").c_str(), &db);
    // Every table of a book, as the sample databases have them: opening a database
    // reads its whole schema.
    std::string sql = "BEGIN;";
    for (const char* category : {"AD", "DISAD", "RACAD", "RACDISAD", "SUPER-AD", "SUPER-DISAD", "MA-STYLE", "SKILL",
                                 "LANGUAGES", "SPELLS", "MANEUVER", "ACROBATIC-MANEUVER", "MANEUVER-CINEMATIC",
                                 "SUPER-POWERS", "ENHANCEMENTS", "LIMITATIONS", "WEAPONS", "ARMOR", "BARDING",
                                 "EQUIPMENT"}) {
      CDatabaseItem item(*ItemKindForCategory(category));
      item.SetCategory(category);
      sql += item.CreateTableStatement() + ";";
    }
    for (int32_t i = 1; i <= kRows; ++i) {
      sql += "INSERT INTO [Skills] ([Identifier], [ID], [Skill Group]) VALUES (" + std::to_string(i) +
             ", 'Skill number " + std::to_string(i) + "', 'CRAFT, HOBBY');";
    }
    sql += "COMMIT;";
    const int status = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
    if (status != SQLITE_OK) throw std::runtime_error("cannot make the benchmark database");
    std::ofstream(folder / "zulparvo.ini") << "[DATABASE]\nB05 = B05.db\n";
    SetAppProfile(CProfile::Load(folder / "zulparvo.ini"));
    return true;
  }();
  benchmark::DoNotOptimize(installed);
}

// One lookup of a skill row per iteration, over all rows in turn.
void BM_LookupRows(benchmark::State& state) {
  InstallBook();
  CSearchProcessor processor(static_cast<CSearchProcessor::Policy>(state.range(0)));
  int32_t identifier = 0;
  for (auto _ : state) {
    CDatabaseItem item(ItemKind::Skill);
    item.SetBookCode("B05");
    item.SetCategory("SKILL");
    item.SetIdentifier(identifier % kRows + 1);
    auto rows = processor.LookupRows(item);
    if (!rows) state.SkipWithError("lookup failed");
    benchmark::DoNotOptimize(rows);
    ++identifier;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LookupRows)
    ->Arg(static_cast<int>(CSearchProcessor::Policy::OpenPerLookup))
    ->Arg(static_cast<int>(CSearchProcessor::Policy::KeepOpen))
    ->ArgName("keep_open");

// What `show` pays per record without a name: GetDisplayName of a fresh skill record,
// through the process-wide search processor.
void BM_SkillDisplayName(benchmark::State& state) {
  InstallBook();
  int32_t identifier = 0;
  for (auto _ : state) {
    CChar_Skill_Base skill;
    skill.SetIdentifier(identifier % kRows + 1);
    skill.SetBookCode("B05");
    benchmark::DoNotOptimize(skill.GetDisplayName());
    ++identifier;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SkillDisplayName);

}  // namespace
}  // namespace zulparvo
