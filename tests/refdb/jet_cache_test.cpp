// Jet databases named in the profile: read through a copy in the cache that is made
// once and again when the file changes; damaged files, a misbehaving converter and an
// incomplete book end in one clear line.
#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <future>
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "refdb/jet_cache.h"
#include "refdb/jet_process.h"
#include "refdb/jet_schema.h"
#include "refdb/jet_test_support.h"
#include "refdb/reference_books.h"

namespace zulparvo {
namespace {

using namespace zulparvo::testing;
namespace fs = std::filesystem;

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
  EXPECT_EQ(Output("sqlite3 " + ShellQuoted(*copy) + " \"SELECT count(*) FROM sqlite_master WHERE type = 'table'\""), "9\n");
}

TEST(JetCache, DamagedFilesEndInOneClearLine) {
  SKIP_WITHOUT_JET_FIXTURES();
  const TemporaryFolder folder;
  std::ifstream in(JetFixtures() / "nwind.mdb", std::ios::binary);
  const std::vector<char> whole{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  struct Damage {
    std::string name;
    std::vector<char> bytes;
    bool fails;
  };
  std::vector<Damage> damages = {
      {"empty", {}, true},
      {"cut inside the first page", {whole.begin(), whole.begin() + 1000}, true},
      {"cut inside a page", {whole.begin(), whole.end() - 1000}, true},
      {"cut after the catalog", {whole.begin(), whole.begin() + 2048 * 64}, true},
      {"cut inside the catalog", {whole.begin(), whole.begin() + 2048 * 700}, true},
  };
  // Bytes turned over across the file: read or refused, either way in one line.
  for (std::size_t at = 0x14; at < whole.size(); at += whole.size() / 12) {
    damages.push_back({"flipped at " + std::to_string(at), whole, false});
    damages.back().bytes[at] = static_cast<char>(~damages.back().bytes[at]);
  }
  for (const Damage& damage : damages) {
    SCOPED_TRACE(damage.name);
    const fs::path file = folder.Path() / (damage.name + ".mdb");
    std::ofstream(file, std::ios::binary).write(damage.bytes.data(), static_cast<std::streamsize>(damage.bytes.size()));
    CString error;
    const CMessageCollector messages;
    const std::optional<CString> usable = UsableDatabasePath(file.string(), error);
    if (damage.fails || !usable) ExpectOneClearLine(file.string(), usable, error, messages);
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
    EXPECT_FALSE(ConvertJetDatabase(converter.string(), output.string(), error, {}, {.wallClock = std::chrono::seconds{1}}));
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
  std::vector<CString> lacking;
  for (const Column& column : BoundColumns(RS_Skills)) {
    if (column.name != "Identifier" && column.name != "ID" && column.name != "Defaults") lacking.emplace_back(column.name);
  }
  EXPECT_EQ(check.incompleteTables[0].columns, lacking);
  EXPECT_NE(std::ranges::find(check.missingTables, "Disadvantages"), check.missingTables.end());
  EXPECT_EQ(std::ranges::find(check.missingTables, "Advantages"), check.missingTables.end());

  const fs::path notDatabase = folder.Path() / "not-a-database";
  std::ofstream(notDatabase) << "plain text, long enough to be no SQLite header at all........................";
  EXPECT_FALSE(CheckReferenceSchema(notDatabase.string()).opened);
}

}  // namespace
}  // namespace zulparvo
