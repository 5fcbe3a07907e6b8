// Lookups of reference rows: statements, rows of every kind, and every way a lookup
// can fail, with either way of holding the databases.
#include "refdb/search_processor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <fstream>
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
  const auto skill = Item(ItemKind::Skill, "B05", "SKILL", 135);
  EXPECT_EQ(skill->SelectStatement(), "SELECT * FROM [Skills] WHERE [Identifier] = ?");
  EXPECT_EQ(Item(ItemKind::Advantage, "B05", "AD-VARIANT", 1)->SelectStatement(),
            "SELECT * FROM [AD-VARIANT] WHERE [Identifier] = ?");
  EXPECT_TRUE(skill->IsSubTable("[AD-VARIANT]"));
  EXPECT_FALSE(skill->IsSubTable("[Skills]"));
  const auto hostile = Item(ItemKind::Skill, "B05", "Skills] WHERE 1=1 --", 1);
  EXPECT_EQ(hostile->SelectStatement() + hostile->InsertStatement() + hostile->UpdateStatement() +
                hostile->CreateTableStatement() + hostile->DropTableStatement(),
            "");
}

// Every bound column of every kind, written with the kind's own definition and insert
// statement, comes back in its place with its type: the binding order, the column names
// and the conversions all show here.
TEST(DatabaseItem, EveryKindReadsBackEveryBoundColumn) {
  ReferenceBooks books;
  CSearchProcessor processor;
  // A category that each kind's records carry.
  const std::map<ItemKind, CString> kCategoryOf = {
      {ItemKind::Advantage, "AD"}, {ItemKind::Armor, "ARMOR"}, {ItemKind::Equipment, "EQUIPMENT"},
      {ItemKind::Maneuver, "MANEUVER"}, {ItemKind::EnhancementLimitation, "ENHANCEMENTS"}, {ItemKind::Skill, "SKILL"},
      {ItemKind::Spell, "SPELLS"}, {ItemKind::SuperPower, "SUPER-POWERS"}, {ItemKind::Weapon, "WEAPONS"}};
  for (const ItemKind kind : kAllItemKinds) {
    SCOPED_TRACE(std::string(ItemKindName(kind)));
    const auto item = Item(kind, "B05", kCategoryOf.at(kind), 7);
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
    EXPECT_EQ(rows->front().GetName(), "ID caf\xE9");
    EXPECT_EQ(rows->front().GetLong("Identifier"), 7);

    // The update statement sets every column but the identifier, which comes last.
    std::vector<FieldValue> update;
    for (std::size_t i = 0; i < columns.size(); ++i) {
      if (columns[i].type == ColumnType::Counter) continue;
      update.push_back(columns[i].name == "ID" ? CString("Renamed") : values[i]);
    }
    update.emplace_back(int32_t{7});
    books.Run("B05", item->UpdateStatement(), update);
    EXPECT_EQ(processor.LookupRows(*item)->front().GetName(), "Renamed");

    books.Run("B05", item->DropTableStatement());
    EXPECT_EQ(processor.Lookup(*item).status, LookupStatus::QueryFailed);
  }
}

TEST(ReferenceRow, ColumnsByNameAndMissingOnes) {
  ReferenceBooks books;
  books.AddRow("B05", ItemKind::Skill, "SKILL",
               {{"Identifier", int32_t{3}}, {"ID", CString("Knotwork")}, {"Skill Type Identifier", int32_t{5}},
                {"Tech-Level", true}});
  const auto row = LookupFirstRow(ItemKind::Skill, {3, "B05", "SKILL"});
  ASSERT_TRUE(row);
  EXPECT_EQ(row->GetLong("Skill Type Identifier"), 5);
  EXPECT_TRUE(row->GetYesNo("Tech-Level"));
  // NULL columns read as 0, "" and no; a column the record set does not bind, or the
  // wrong type, gives the same.
  EXPECT_EQ(row->GetLong("Category Identifier"), 0);
  EXPECT_EQ(row->GetText("Skill Group"), "");
  EXPECT_FALSE(row->GetYesNo("Can Default"));
  EXPECT_EQ(row->GetLong("ID"), 0);
}

class LookupTest : public ::testing::TestWithParam<Policy> {
 protected:
  ReferenceBooks m_books;
  CSearchProcessor m_processor{GetParam()};
};

TEST_P(LookupTest, FindsTheRowOfTheIdentifierOrFailsQuietly) {
  m_books.AddName("B05", ItemKind::Skill, "SKILL", 1, "Knotwork");
  m_books.AddName("B05", ItemKind::Skill, "SKILL", 2, "Herd Lore");
  // A [Spells] table made as a skills table lacks [College] and the other spell columns.
  m_books.AddName("B05", ItemKind::Skill, "SPELLS", 1, "Kindle Wick");
  CMessageCollector messages;
  const auto item = Item(ItemKind::Skill, "B05", "SKILL", 2);
  const auto rows = m_processor.LookupRows(*item);
  ASSERT_TRUE(rows);
  ASSERT_EQ(rows->size(), 1U);
  EXPECT_EQ(rows->front().GetName(), "Herd Lore");

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
  m_books.SetEntry("B06", "missing.db");
  std::ofstream(m_books.Folder() / "junk.db") << "These forty bytes are no database at all.";
  m_books.SetEntry("B07", "junk.db");
  struct Case {
    const char *book, *error, *entry;
  };
  const Case kCases[] = {
      {"B99", "unable to open database file", ""},  // no profile entry
      {"B06", "unable to open database file", "missing.db"},
      {"B07", "file is not a database", "junk.db"},
  };
  for (const Case& c : kCases) {
    CMessageCollector messages;
    const auto item = Item(ItemKind::Advantage, c.book, "AD", 1);
    EXPECT_FALSE(m_processor.LookupRows(*item));
    const std::vector<std::pair<MessageIcon, CString>> expected = {
        {MessageIcon::Stop, c.error}, {MessageIcon::Stop, CString("Failure to open Database: ") + c.entry}};
    EXPECT_EQ(MessagesOf(messages), expected) << c.book;
    EXPECT_EQ(m_processor.Lookup(*item).status, LookupStatus::CannotOpen);
  }
}

TEST_P(LookupTest, HostileCategoriesNeverReachTheDatabase) {
  // The entry names no file: a lookup that tried to open it would show messages.
  m_books.SetEntry("B05", "missing.db");
  for (const char* category : {"Skills] WHERE 1=1 OR [Identifier", "SKILL\n"}) {
    CMessageCollector messages;
    const auto item = Item(ItemKind::Skill, "B05", category, 1);
    EXPECT_FALSE(m_processor.LookupRows(*item)) << category;
    EXPECT_EQ(m_processor.Lookup(*item).status, LookupStatus::UnsafeCategory) << category;
    EXPECT_TRUE(messages.Messages().empty()) << category;
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
