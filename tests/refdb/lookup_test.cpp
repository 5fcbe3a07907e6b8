// Lookups of reference rows: statements, rows of every kind, and every way a lookup
// can fail, with either way of holding the databases.
#include "refdb/search_processor.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <map>
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "refdb/reference_books.h"

namespace zulparvo {
namespace {

using testing::ReferenceBooks;
using Policy = CSearchProcessor::Policy;

std::vector<std::pair<MessageIcon, CString>> MessagesOf(const CMessageCollector& collector) {
  std::vector<std::pair<MessageIcon, CString>> messages;
  for (const auto& message : collector.Messages()) messages.emplace_back(message.icon, message.text);
  return messages;
}

std::unique_ptr<CDatabaseItem> Item(ItemKind kind, const CString& book, const CString& category, int32_t id) {
  auto item = std::make_unique<CDatabaseItem>(kind);
  item->SetBookCode(book);
  item->SetCategory(category);
  item->SetIdentifier(id);
  return item;
}

TEST(DatabaseItem, StatementsBindTheIdentifierAndRefuseUnsafeCategories) {
  EXPECT_EQ(Item(ItemKind::Skill, "B05", "SKILL", 135)->SelectStatement(),
            "SELECT * FROM [Skills] WHERE [Identifier] = ?");
  // A category that would not stay one table name makes no statement and never reaches
  // the database (whose entry names no file: opening it would show messages).
  ReferenceBooks books;
  books.SetEntry("B05", "missing.db");
  for (const char* category : {"Skills] WHERE 1=1 OR [Identifier", "SKILL\n"}) {
    const auto item = Item(ItemKind::Skill, "B05", category, 1);
    EXPECT_EQ(item->SelectStatement() + item->InsertStatement() + item->UpdateStatement() +
                  item->CreateTableStatement() + item->DropTableStatement(), "");
    CMessageCollector messages;
    EXPECT_EQ(GetSearchProcessor()->Lookup(*item).status, LookupStatus::UnsafeCategory) << category;
    EXPECT_TRUE(messages.Messages().empty()) << category;
  }
}

// Every bound column of every kind, written with the kind's own definition and insert
// statement, comes back in its place with its type: the binding order, the column names
// and the conversions all show here.
TEST(DatabaseItem, EveryKindReadsBackEveryBoundColumn) {
  ReferenceBooks books;
  CSearchProcessor processor;
  // A category of each kind's records.
  for (const char* category :
       {"AD", "ARMOR", "EQUIPMENT", "MANEUVER", "ENHANCEMENTS", "SKILL", "SPELLS", "SUPER-POWERS", "WEAPONS"}) {
    SCOPED_TRACE(category);
    const ItemKind kind = *ItemKindForCategory(category);
    const auto item = Item(kind, "B05", category, 7);
    const std::vector<Column> columns = BoundColumns(RecordSetForKind(kind));
    std::vector<FieldValue> values;
    int n = 0;
    for (const Column& column : columns) {
      ++n;
      switch (column.type) {
        case ColumnType::Counter: values.emplace_back(int32_t{7}); break;
        case ColumnType::Long: values.emplace_back(int32_t{-1000 * n}); break;
        case ColumnType::YesNo: values.emplace_back(n % 2 == 0); break;
        // 8-bit texts stay byte for byte.
        case ColumnType::Text: values.emplace_back(CString(column.name) + " caf\xE9"); break;
      }
    }
    books.Run("B05", item->CreateTableStatement());
    books.Run("B05", item->InsertStatement(), values);

    const auto rows = processor.LookupRows(*item);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 1U);
    EXPECT_EQ(rows->front().GetValues(), values);
    EXPECT_EQ(rows->front().GetBookCode(), "B05");
  }
}

class LookupTest : public ::testing::TestWithParam<Policy> {
 protected:
  ReferenceBooks m_books;
  CSearchProcessor m_processor{GetParam()};
};

TEST_P(LookupTest, FindsTheRowOfTheIdentifierOrFailsQuietly) {
  m_books.AddName("B05", ItemKind::Skill, "SKILL", 1, "Knotwork");
  m_books.AddRow("B05", ItemKind::Skill, "SKILL", {{"Identifier", int32_t{2}}, {"ID", CString("Herd Lore")},
                                                   {"Skill Type Identifier", int32_t{5}}, {"Tech-Level", true}});
  // A [Spells] table made as a skills table lacks [College] and the other spell columns.
  m_books.AddName("B05", ItemKind::Skill, "SPELLS", 1, "Kindle Wick");
  CMessageCollector messages;
  const auto item = Item(ItemKind::Skill, "B05", "SKILL", 2);
  const auto rows = m_processor.LookupRows(*item);
  ASSERT_TRUE(rows);
  ASSERT_EQ(rows->size(), 1U);
  const CReferenceRow& row = rows->front();
  EXPECT_EQ(row.GetName(), "Herd Lore");
  EXPECT_EQ(row.GetLong("Skill Type Identifier"), 5);
  EXPECT_TRUE(row.GetYesNo("Tech-Level"));
  // NULL columns read as 0, "" and no; so does a column that the record set does not
  // bind, or one of another type.
  EXPECT_EQ(row.GetLong("Category Identifier") + row.GetLong("ID") + row.GetLong("Description"), 0);
  EXPECT_EQ(row.GetText("Skill Group"), "");
  EXPECT_FALSE(row.GetYesNo("Can Default"));

  item->SetIdentifier(3);
  EXPECT_FALSE(m_processor.LookupRows(*item)) << "no row gives none, not an empty list";
  EXPECT_EQ(m_processor.Lookup(*item).status, LookupStatus::NoRow);
  EXPECT_FALSE(m_processor.LookupRows(*Item(ItemKind::Skill, "B05", "LANGUAGES", 1))) << "no table";
  const LookupResult noColumn = m_processor.Lookup(*Item(ItemKind::Spell, "B05", "SPELLS", 1));
  EXPECT_EQ(noColumn.status, LookupStatus::QueryFailed);
  EXPECT_EQ(noColumn.error, "no such column: College");
  EXPECT_TRUE(messages.Messages().empty());
}

TEST_P(LookupTest, DatabasesThatCannotBeOpenedShowBothMessages) {
  std::ofstream(m_books.Folder() / "junk.db") << "These forty bytes are no database at all.";
  ASSERT_EQ(mkfifo((m_books.Folder() / "fifo.db").c_str(), 0600), 0);
  m_books.Run("B10", "CREATE TABLE [Skills] ([Identifier] INTEGER PRIMARY KEY, [X] TEXT, [ID] AS (upper([X])))");
  struct Case {
    const char *book, *error, *entry;
  };
  const Case kCases[] = {
      {"B99", "unable to open database file", ""},  // no profile entry
      {"B06", "unable to open database file", "missing.db"},
      {"B07", "file is not a database", "junk.db"},
      {"B08", "not a regular file", "fifo.db"},  // read, it would wait for a writer for ever
      {"B09", "not a regular file", "."},
      {"B10", "the database has computed columns", "B10.db"},
  };
  for (const Case& c : kCases) {
    if (*c.entry != '\0') m_books.SetEntry(c.book, c.entry);
    CMessageCollector messages;
    const auto item = Item(ItemKind::Skill, c.book, "SKILL", 1);
    EXPECT_FALSE(m_processor.LookupRows(*item));
    const std::vector<std::pair<MessageIcon, CString>> expected = {
        {MessageIcon::Stop, c.error}, {MessageIcon::Stop, CString("Failure to open Database: ") + c.entry}};
    EXPECT_EQ(MessagesOf(messages), expected) << c.book;
    EXPECT_EQ(m_processor.Lookup(*item).status, LookupStatus::CannotOpen);
  }
}

// Databases made to make a lookup hang or take much memory. Each is refused quickly with
// one message naming the book. [X] holds a proper skill row 1, [d] the ten digits.
TEST(HostileDatabase, IsRefusedQuicklyWithAMessageNamingTheBook) {
  struct Case {
    const char *what, *sql, *error;
    std::size_t firstRows;  // what a lookup of the first row only finds
  };
  const Case kCases[] = {
      {"recursive view", "CREATE VIEW [Skills] AS WITH RECURSIVE r(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM r) "
       "SELECT * FROM [X], r", "[Skills] is a view that calls a function or recurses", 0},
      {"900 MB text", "CREATE VIEW [Skills] AS SELECT zeroblob(900000000) AS [ID], * FROM [X]",
       "[Skills] is a view that calls a function or recurses", 0},
      {"64 MB blob in [ID]", "CREATE TABLE [Skills] AS SELECT * FROM [X]; UPDATE [Skills] SET [ID] = zeroblob(64 << 20)",
       "[Skills] holds a value longer than 1048576 bytes", 0},
      {"a million rows", "CREATE VIEW [Skills] AS SELECT * FROM [X], d a, d b, d c, d e, d f",
       "more than 1000 rows of [Skills] carry the identifier 1", 1},
      {"5 MB of text", "CREATE TABLE [Skills] AS SELECT * FROM [X], d WHERE d.n < 5; UPDATE [Skills] SET [ID] = "
       "zeroblob(1000000)", "the rows of [Skills] with the identifier 1 hold more than 4194304 bytes of text", 1},
      {"ten million rows to look through", "CREATE VIEW [Skills] AS SELECT * FROM [X], d a, d b, d c, d e, d f, d g, "
       "d h WHERE a.n + b.n + c.n + e.n + f.n + g.n + h.n = 99", "reading [Skills] took longer than 100 ms", 0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    ReferenceBooks books;
    books.AddName("B05", ItemKind::Skill, "X", 1, "Knotwork");
    books.Run("B05", "CREATE TABLE d (n INTEGER); INSERT INTO d VALUES (0), (1), (2), (3), (4), (5), (6), (7), (8), (9)");
    books.Run("B05", c.sql);
    books.Set("LOOKUP", "TIMEOUT", "100");
    CSearchProcessor processor;
    CMessageCollector messages;
    const LookupResult result = processor.Lookup(*Item(ItemKind::Skill, "B05", "SKILL", 1));
    EXPECT_EQ(result.status, LookupStatus::QueryFailed);
    EXPECT_EQ(result.error, c.error);
    const std::vector<std::pair<MessageIcon, CString>> expected = {
        {MessageIcon::Stop, "The reference database of B05 cannot be read: " + result.error}};
    EXPECT_EQ(MessagesOf(messages), expected);
    EXPECT_EQ(processor.Lookup(*Item(ItemKind::Skill, "B05", "SKILL", 1), 1).rows.size(), c.firstRows);
  }
}

TEST_P(LookupTest, AReplacedOrRemovedDatabaseIsSeen) {
  m_books.AddName("B05", ItemKind::Skill, "SKILL", 1, "Old Name");
  const auto item = Item(ItemKind::Skill, "B05", "SKILL", 1);
  const auto nameNow = [&] {
    const auto rows = m_processor.LookupRows(*item);
    return rows ? rows->front().GetName() : CString("(none)");
  };
  EXPECT_EQ(nameNow(), "Old Name");

  // Replaced by renaming another file over it.
  m_books.AddName("B06", ItemKind::Skill, "SKILL", 1, "New Name");
  std::filesystem::rename(m_books.PathOf("B06"), m_books.PathOf("B05"));
  EXPECT_EQ(nameNow(), "New Name");

  // Changed in place.
  m_books.Run("B05", "UPDATE [Skills] SET [ID] = 'Third Name' WHERE [Identifier] = 1");
  EXPECT_EQ(nameNow(), "Third Name");

  // Removed.
  std::filesystem::remove(m_books.PathOf("B05"));
  CMessageCollector messages;
  EXPECT_EQ(m_processor.Lookup(*item).status, LookupStatus::CannotOpen);
  EXPECT_EQ(messages.Messages().size(), 2U);
}

INSTANTIATE_TEST_SUITE_P(BothPolicies, LookupTest, ::testing::Values(Policy::OpenPerLookup, Policy::KeepOpen),
                         [](const auto& policy) { return policy.param == Policy::KeepOpen ? "KeepOpen" : "OpenPerLookup"; });

}  // namespace
}  // namespace zulparvo
