// Jet databases: each test database converted through the helper program and compared
// cell by cell with what the mdbtools command line exports; a profile naming a Jet file
// read through a copy in the cache, made once and again when the file changes; damaged
// files, a misbehaving converter and an incomplete book, each ending in one clear line.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <optional>
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "refdb/jet_cache.h"
#include "refdb/jet_process.h"
#include "refdb/jet_schema.h"
#include "refdb/reference_books.h"

namespace zulparvo {
namespace {

using namespace zulparvo::testing;
namespace fs = std::filesystem;

fs::path JetFixtures() { return ZULPARVO_JET_FIXTURES; }

#define SKIP_WITHOUT_JET_FIXTURES()             \
  if (!fs::exists(JetFixtures() / "nwind.mdb")) \
  GTEST_SKIP() << "no Jet test databases in " << JetFixtures() << " (set ZULPARVO_JET_FIXTURES)"

// A fresh folder for the test, removed with everything in it; the cache of converted
// copies is inside it while the folder lives (XDG_CACHE_HOME).
class TemporaryFolder {
 public:
  TemporaryFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    m_path = fs::temp_directory_path() / ("zulparvo-jet-" + std::to_string(getpid()) + "-" + test->name());
    fs::remove_all(m_path);
    fs::create_directories(m_path);
    setenv("XDG_CACHE_HOME", (m_path / "cache").c_str(), 1);
  }
  ~TemporaryFolder() {
    unsetenv("XDG_CACHE_HOME");
    fs::remove_all(m_path);
  }

  const fs::path& Path() const { return m_path; }

 private:
  fs::path m_path;
};

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// What the command prints on standard output.
std::string Output(const std::string& command) {
  std::string output;
  if (std::FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, got);
    pclose(pipe);
  }
  return output;
}

// mdb-export's output with separators that no text holds: fields end in 0x1f, rows in
// 0x1e, and a NULL is 0x1d.
constexpr char kNull[] = "\x1d";
std::vector<std::vector<std::string>> Split(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
    end = std::min(text.find('\x1e', start), text.size());
    rows.emplace_back(1);
    for (const char c : text.substr(start, end - start)) {
      if (c == '\x1f')
        rows.back().emplace_back();
      else
        rows.back().back() += c;
    }
  }
  return rows;
}

// Seconds from 1970 of "YYYY-MM-DD HH:MM:SS[.mmm]".
std::optional<double> Instant(const std::string& text) {
  int year, month, day, hour, minute;
  double second;
  if (std::sscanf(text.c_str(), "%d-%d-%d %d:%d:%lf", &year, &month, &day, &hour, &minute, &second) != 6 || month < 1 ||
      day < 1) {
    return std::nullopt;
  }
  using namespace std::chrono;
  const sys_days date{std::chrono::year{year} / month / day};
  return static_cast<double>(date.time_since_epoch().count()) * 86400 + hour * 3600 + minute * 60 + second;
}

// mdb-export prints a double with 16 significant digits, a single with 8, currency
// with 4 decimals: a REAL agrees when it prints the same with as many decimals, or
// reads back as the same single, or differs in the 16th digit at most.
bool SameReal(double ours, const std::string& theirs) {
  const double value = std::stod(theirs);
  const std::size_t point = theirs.find('.');
  const int decimals = point == std::string::npos ? 0 : static_cast<int>(theirs.size() - point - 1);
  char printed[400];
  std::snprintf(printed, sizeof printed, "%.*f", decimals, ours);
  return theirs == printed || static_cast<float>(ours) == static_cast<float>(value) ||
         std::fabs(ours - value) <= 1e-15 * std::fabs(value);
}

void ExpectSameCell(sqlite3_stmt* row, int column, const std::string& theirs) {
  const int type = sqlite3_column_type(row, column);  // before the text, which changes it
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(row, column));
  const std::string ours(text != nullptr ? text : "",
                         text != nullptr ? static_cast<std::size_t>(sqlite3_column_bytes(row, column)) : 0);
  switch (type) {
    case SQLITE_NULL:
      EXPECT_EQ(theirs, kNull);
      break;
    case SQLITE_INTEGER:
      EXPECT_EQ(ours, theirs);
      break;
    case SQLITE_FLOAT:
      EXPECT_TRUE(SameReal(sqlite3_column_double(row, column), theirs)) << ours << " / " << theirs;
      break;
    case SQLITE_BLOB: {
      std::string hex;
      for (const char c : ours) hex += {"0123456789ABCDEF"[(c >> 4) & 15], "0123456789ABCDEF"[c & 15]};
      EXPECT_EQ(hex, theirs);
      break;
    }
    default:
      if (theirs == "1900-01-00 00:00:00") {  // a date beyond what mdb-export can print
        EXPECT_TRUE(Instant(ours)) << ours;
      } else if (const std::optional<double> instant = Instant(theirs)) {
        ASSERT_TRUE(Instant(ours)) << ours;
        EXPECT_LT(std::fabs(*Instant(ours) - *instant), 1.0) << ours << " / " << theirs;  // mdb-export: whole seconds
      } else {
        EXPECT_EQ(ours, theirs == kNull ? "" : theirs);  // mdb-export prints an empty text as NULL too
      }
  }
}

TEST(JetConversion, EveryCellAsTheMdbtoolsExportHasIt) {
  SKIP_WITHOUT_JET_FIXTURES();
  if (std::system("mdb-export --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "mdb-export is not installed";
  const TemporaryFolder folder;
  for (const char* file : {"nwind.mdb", "DateTestDatabase.mdb", "ASampleDatabase.accdb"}) {
    SCOPED_TRACE(file);
    const std::string jet = (JetFixtures() / file).string();
    const std::string copy = (folder.Path() / (std::string(file) + ".db")).string();
    CString error;
    ASSERT_TRUE(ConvertJetDatabase(jet, copy, error)) << error;
    sqlite3* db = nullptr;
    sqlite3_open_v2(copy.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    const std::vector<std::vector<std::string>> tables =
        Split(Output("mdb-tables -1 " + ShellQuoted(jet) + " | tr '\\n' '\\036'"));
    ASSERT_FALSE(tables.empty());
    for (const auto& table : tables) {
      SCOPED_TRACE(table[0]);
      const auto exported =
          Split(Output("env -u MDBICONV mdb-export -Q -d \"$(printf '\\037')\" -R \"$(printf '\\036')\" "
                       "-0 \"$(printf '\\035')\" -b hex -T '%Y-%m-%d %H:%M:%S' " +
                       ShellQuoted(jet) + " " + ShellQuoted(table[0])));
      sqlite3_stmt* row = nullptr;
      ASSERT_EQ(sqlite3_prepare_v2(db, ("SELECT * FROM \"" + table[0] + "\"").c_str(), -1, &row, nullptr), SQLITE_OK);
      const auto columns = static_cast<std::size_t>(sqlite3_column_count(row));
      for (std::size_t i = 0; i < columns; ++i)
        EXPECT_EQ(sqlite3_column_name(row, static_cast<int>(i)), exported[0].at(i));
      std::size_t rows = 1;
      int status;
      for (; (status = sqlite3_step(row)) == SQLITE_ROW && rows < exported.size(); ++rows) {
        ASSERT_EQ(exported[rows].size(), columns);
        for (std::size_t i = 0; i < columns; ++i) ExpectSameCell(row, static_cast<int>(i), exported[rows][i]);
      }
      EXPECT_EQ(status, SQLITE_DONE);
      EXPECT_EQ(rows, exported.size());
      sqlite3_finalize(row);
    }
    sqlite3_close(db);
  }
}

// Names the converter program while it lives.
struct ConverterNamed {
  explicit ConverterNamed(const std::string& path) { setenv("ZULPARVO_JET_CONVERTER", path.c_str(), 1); }
  ~ConverterNamed() { unsetenv("ZULPARVO_JET_CONVERTER"); }
};

// The error of a path that cannot be used: one line that names the file, shown once.
void ExpectOneClearLine(const std::string& path, const std::optional<CString>& usable, const CString& error,
                        const CMessageCollector& messages) {
  ASSERT_FALSE(usable);
  EXPECT_EQ(error.find('\n'), CString::npos) << error;
  EXPECT_TRUE(error.starts_with(path + ": cannot use the Jet database: ")) << error;
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Messages()[0].text, error);
}

TEST(JetCache, AProfileNamingAJetFileLooksUpAsOneNamingItsCopy) {
  SKIP_WITHOUT_JET_FIXTURES();
  const TemporaryFolder folder;
  ReferenceBooks books;
  fs::copy_file(JetFixtures() / "nwind.mdb", books.Folder() / "nwind.mdb");
  CString error;
  const std::optional<CString> copy = UsableDatabasePath((books.Folder() / "nwind.mdb").string(), error);
  ASSERT_TRUE(copy) << error;
  books.SetEntry("B05", "nwind.mdb");
  books.SetEntry("B06", *copy);
  CSearchProcessor processor(CSearchProcessor::Policy::OpenPerLookup);
  // The test databases hold none of the reference tables: both fail alike on the query.
  LookupResult results[2];
  for (const int book : {0, 1}) {
    CDatabaseItem item(ItemKind::Advantage);
    item.SetBookCode(book == 0 ? "B05" : "B06");
    item.SetCategory("Shippers");
    item.SetIdentifier(1);
    results[book] = processor.Lookup(item);
  }
  EXPECT_EQ(results[0].status, LookupStatus::QueryFailed) << results[0].error;
  EXPECT_EQ(results[0].status, results[1].status);
  EXPECT_EQ(results[0].error, results[1].error);
}

TEST(JetCache, TheCopyIsMadeOnceAndAgainWhenTheFileIsTouched) {
  SKIP_WITHOUT_JET_FIXTURES();
  const TemporaryFolder folder;
  const fs::path jet = folder.Path() / "nwind.mdb";
  fs::copy_file(JetFixtures() / "nwind.mdb", jet);
  CString error;
  const std::optional<CString> first = UsableDatabasePath(jet.string(), error);
  ASSERT_TRUE(first) << error;
  {
    // Another spelling of the path is new to this process; a converter that fails
    // shows that the copy is taken as it is.
    const ConverterNamed failing("/bin/false");
    EXPECT_EQ(UsableDatabasePath((folder.Path() / "." / "nwind.mdb").string(), error), first);
    const timespec later[2] = {{0, UTIME_OMIT}, {std::time(nullptr) + 10, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, jet.c_str(), later, 0), 0);
    const CMessageCollector messages;
    ExpectOneClearLine(jet.string(), UsableDatabasePath(jet.string(), error), error, messages);
  }
  // The failure stands for this spelling of the path for a while; another is tried at once.
  const std::optional<CString> second = UsableDatabasePath((folder.Path() / "." / "." / "nwind.mdb").string(), error);
  ASSERT_TRUE(second) << error;
  EXPECT_NE(second, first);
  EXPECT_FALSE(fs::exists(*first));  // the copy of the file as it was is gone
}

TEST(JetCache, ConvertersAtOnceAllGetTheWholeCopy) {
  SKIP_WITHOUT_JET_FIXTURES();
  const TemporaryFolder folder;
  fs::copy_file(JetFixtures() / "nwind.mdb", folder.Path() / "nwind.mdb");
  // Each spelling of the path is new: each thread converts, or waits for the one that does.
  std::vector<std::future<std::optional<CString>>> users;
  fs::path spelling = folder.Path();
  for (int i = 0; i < 3; ++i, spelling /= ".") {
    users.push_back(std::async(std::launch::async, [file = (spelling / "nwind.mdb").string()] {
      CString error;
      return UsableDatabasePath(file, error);
    }));
  }
  const std::optional<CString> copy = users[0].get();
  ASSERT_TRUE(copy);
  for (std::size_t i = 1; i < users.size(); ++i) EXPECT_EQ(users[i].get(), copy);
  EXPECT_EQ(Output("sqlite3 " + ShellQuoted(*copy) + " \"SELECT count(*) FROM sqlite_master WHERE type = 'table'\""),
            "9\n");
}

TEST(JetCache, DamagedFilesEndInOneClearLine) {
  SKIP_WITHOUT_JET_FIXTURES();
  const TemporaryFolder folder;
  std::ifstream in(JetFixtures() / "nwind.mdb", std::ios::binary);
  const std::vector<char> whole{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::vector<std::pair<std::string, std::vector<char>>> damages = {
      {"empty", {}},
      {"cut inside the first page", {whole.begin(), whole.begin() + 1000}},
      {"cut inside a page", {whole.begin(), whole.end() - 1000}},
      {"cut after the catalog", {whole.begin(), whole.begin() + 2048 * 64}},
      {"cut inside the catalog", {whole.begin(), whole.begin() + 2048 * 700}},
  };
  // Bytes turned over across the file: read or refused, either way in one line.
  for (std::size_t at = 0x14; at < whole.size(); at += whole.size() / 12) {
    damages.emplace_back("flipped at " + std::to_string(at), whole);
    damages.back().second[at] = static_cast<char>(~whole[at]);
  }
  for (const auto& [name, bytes] : damages) {
    SCOPED_TRACE(name);
    const fs::path file = folder.Path() / (name + ".mdb");
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    CString error;
    const CMessageCollector messages;
    const std::optional<CString> usable = UsableDatabasePath(file.string(), error);
    if (!name.starts_with("flipped") || !usable) ExpectOneClearLine(file.string(), usable, error, messages);
  }
}

// libmdb reads the properties of every object while it reads the catalog, and loops for
// ever on a property record of length 0: such files are refused before it reads them.
TEST(JetConversion, DamagedPropertiesAreRefusedBeforeLibmdbReadsThem) {
  SKIP_WITHOUT_JET_FIXTURES();
  const TemporaryFolder folder;
  // In these two the first properties in the file are those of a catalog row.
  for (const char* file : {"DateTestDatabase.mdb", "ASampleDatabase.accdb"}) {
    std::ifstream in(JetFixtures() / file, std::ios::binary);
    const std::string whole{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::size_t properties = whole.find(std::string("MR2\0", 4));
    ASSERT_NE(properties, std::string::npos) << file;
    for (const auto& [damage, length] : {std::pair{"a record of length 0", "\0\0\0\0"}, {"one past the end", "\xf0\xff\xff\0"}}) {
      SCOPED_TRACE(std::string(file) + ", " + damage);
      std::string bytes = whole;
      bytes.replace(properties + 4, 4, length, 4);
      const fs::path damaged = folder.Path() / file;
      std::ofstream(damaged, std::ios::binary) << bytes;
      CString error;
      EXPECT_FALSE(ConvertJetDatabase(damaged.string(), (folder.Path() / "copy.db").string(), error));
      EXPECT_NE(error.find("its catalog: row "), CString::npos) << error;
      EXPECT_NE(error.find("a record of its properties has a wrong length: the file is damaged"), CString::npos)
          << error;
    }
  }
}

TEST(JetCache, AConverterThatMisbehavesEndsInOneClearLine) {
  const TemporaryFolder folder;
  const struct {
    const char* script;
    const char* reason;
  } cases[] = {
      {"exec sleep 30", "the conversion took longer than 1 s"},
      {"kill -SEGV $$", "the converter crashed (Segmentation fault)"},
      {"echo 'GLib-ERROR: failed to allocate 9 bytes' >&2; kill -ABRT $$", "needed more than 2048 MiB of memory"},
      {"printf 'error\\tthe file is odd\\n'; exit 1", "the file is odd"},
      {"printf 'table\\t1\\t1\\t5\\tX\\n'", "the converter ended with status 0"},
  };
  const fs::path converter = folder.Path() / "converter";
  const fs::path output = folder.Path() / "out.db";
  for (const auto& [script, reason] : cases) {
    SCOPED_TRACE(script);
    std::ofstream(converter) << "#!/bin/sh\n" << script << "\n";
    fs::permissions(converter, fs::perms::owner_all);
    const ConverterNamed named(converter.string());
    CString error;
    EXPECT_FALSE(
        ConvertJetDatabase(converter.string(), output.string(), error, {}, {.wallClock = std::chrono::seconds{1}}));
    EXPECT_NE(error.find(reason), CString::npos) << error;
    // Neither the output nor its temporary file is left.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);
  }
}

TEST(JetSchema, TellsWhichTablesAndColumnsLookupsReadAreMissing) {
  const TemporaryFolder folder;
  ReferenceBooks books;
  books.AddName("B05", ItemKind::Advantage, "AD", 1, "Acute Hearing");
  books.Run("B05", "CREATE TABLE [skills] ([identifier] INTEGER, [Id] TEXT, [Defaults] TEXT)");
  const SchemaCheck check = CheckReferenceSchema(books.PathOf("B05").string());
  ASSERT_TRUE(check.opened) << check.error;
  EXPECT_EQ(check.foundTables, 2);
  ASSERT_EQ(check.incompleteTables.size(), 1u);
  EXPECT_EQ(check.incompleteTables[0].table, "Skills");
  const std::vector<CString>& lacking = check.incompleteTables[0].columns;
  EXPECT_EQ(lacking.size(), BoundColumns(RS_Skills).size() - 3);  // names compared without regard to case
  EXPECT_NE(std::ranges::find(lacking, "Can Default"), lacking.end());
  EXPECT_NE(std::ranges::find(check.missingTables, "Disadvantages"), check.missingTables.end());
  EXPECT_EQ(std::ranges::find(check.missingTables, "Advantages"), check.missingTables.end());

  const fs::path notDatabase = folder.Path() / "not-a-database";
  std::ofstream(notDatabase) << "plain text, long enough to be no SQLite header at all........................";
  EXPECT_FALSE(CheckReferenceSchema(notDatabase.string()).opened);
}

}  // namespace
}  // namespace zulparvo
