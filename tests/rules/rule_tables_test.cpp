// The rule tables as data: listed through the routes, every row names its adjuster, and
// every row can meet the records that reach its table. A row for another kind of record
// than its table's, or one that looks for an advantage under a tag of no list, would
// never fire; the scenarios show what the rows do.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "frame/dispatch.h"
#include "rules/rule_tables.h"

namespace zulparvo {
namespace {

const std::set<std::string_view> kAdvantageTags{"AD", "RACAD"};
const std::set<std::string_view> kDisadvantageTags{"DISAD", "RACDISAD"};

// The tag of the record that the row is for, if it names one.
template <class Constants>
std::optional<std::string_view> RecordTag(const Constants& row) {
  if constexpr (requires { row.record.tag; }) return row.record.tag;
  if constexpr (std::is_same_v<Constants, OwnRule<AdvantageContext, ForRecord>>) return row.constants.tag;
  return std::nullopt;
}

// The tags under which the row looks for advantages on the character.
template <class Constants>
std::vector<std::string_view> SearchedTags(const Constants& row) {
  std::vector<std::string_view> tags;
  if constexpr (requires { row.advantage.tag; }) tags.push_back(row.advantage.tag);
  if constexpr (requires { row.target.tag; }) tags.push_back(row.target.tag);
  if constexpr (requires { row.first.tag; }) tags.insert(tags.end(), {row.first.tag, row.second.tag});
  if constexpr (requires { row.unless; }) {
    if (row.unless) tags.push_back(row.unless->tag);
  }
  if constexpr (std::is_same_v<Constants, OwnRule<SkillContext, AdvantageRef>>) tags.push_back(row.constants.tag);
  return tags;
}

template <class Row>
void CheckRows(const std::string& table, std::span<const Row> rows, const std::set<std::string_view>& recordTags) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(table + " row " + std::to_string(i + 1));
    EXPECT_FALSE(AdjusterName(rows[i]).empty());
    std::visit(
        [&](const auto& row) {
          if (const auto tag = RecordTag(row)) {
            EXPECT_TRUE(recordTags.contains(*tag)) << *tag;
          }
          for (const std::string_view tag : SearchedTags(row)) {
            EXPECT_TRUE(kAdvantageTags.contains(tag) || kDisadvantageTags.contains(tag)) << tag;
          }
        },
        rows[i]);
  }
}

TEST(RuleTables, EveryRowCanFireForTheRecordsOfItsTable) {
  for (const auto& route : AdvantageRoutes()) {
    CheckRows("advantages of " + std::string(route.book), route.rows(), kAdvantageTags);
  }
  for (const auto& route : DisadvantageRoutes()) {
    CheckRows("disadvantages of " + std::string(route.book), route.rows(), kDisadvantageTags);
  }
  for (const auto& route : SkillRoutes()) CheckRows("skills of " + std::string(route.book), route.rows(), {});
  for (const auto& table : SpellTables()) CheckRows("spells of " + std::string(table.book), table.rows(), {});
  CheckRows("every skill", EverySkillRules(), {});
  CheckRows("every spell", EverySpellRules(), {});
}

}  // namespace
}  // namespace zulparvo
