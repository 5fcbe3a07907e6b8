#include "frame/dispatch.h"

#include <array>

#include "rules/rule_tables.h"

namespace zulparvo {

namespace {

constexpr std::array<RoutedTable<AdvantageRow>, 9> kAdvantageRoutes{{
    {BOOK_05, AdvantageRulesB05},
    {BOOK_15, AdvantageRulesB15},
    {BOOK_01, AdvantageRulesB01},
    {BOOK_30, AdvantageRulesB30},
    {BOOK_13, AdvantageRulesB13},
    {BOOK_34, AdvantageRulesB34},
    {BOOK_06, AdvantageRulesB06},
    {BOOK_48, AdvantageRulesB48},
    {BOOK_46, AdvantageRulesB46},
}};

constexpr std::array<RoutedTable<AdvantageRow>, 6> kDisadvantageRoutes{{
    {BOOK_05, DisadvantageRulesB05},
    {BOOK_01, DisadvantageRulesB01},
    {BOOK_15, DisadvantageRulesB15},
    {BOOK_34, DisadvantageRulesB34},
    {BOOK_13, DisadvantageRulesB13},
    {BOOK_06, DisadvantageRulesB06},
}};

constexpr std::array<RoutedTable<SkillRow>, 5> kSkillRoutes{{
    {BOOK_05, SkillRulesB05},
    {BOOK_01, SkillRulesB01},
    {BOOK_13, SkillRulesB13},
    {BOOK_26, SkillRulesB26},
    {BOOK_46, SkillRulesB46},
}};

constexpr std::array<RoutedTable<SkillRow>, 6> kSpellTables{{
    {BOOK_05, SpellRulesB05},
    {BOOK_30, SpellRulesB30},
    {BOOK_13, SpellRulesB13},
    {BOOK_15, SpellRulesB15},
    {BOOK_37, SpellRulesB37},
    {BOOK_34, SpellRulesB34},
}};

// Runs the table of the first route whose book is the record's; none when no book is.
template <class Row, std::size_t N, class Context>
void RunRouted(const std::array<RoutedTable<Row>, N>& routes, const CString& book, Context& context) {
  for (const RoutedTable<Row>& route : routes) {
    if (book == route.book) {
      RunRules(route.rows(), context);
      return;
    }
  }
}

}  // namespace

bool DispatchAdvantage(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) {
  AdvantageContext context{character, record, keepRecords};
  RunRouted(kAdvantageRoutes, record.GetBookCode(), context);
  return true;
}

bool DispatchDisadvantage(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) {
  AdvantageContext context{character, record, keepRecords};
  RunRouted(kDisadvantageRoutes, record.GetBookCode(), context);
  return true;
}

bool DispatchSkill(CChar_Character& character, CChar_Skill_Base& skill) {
  SkillContext context(character, skill);
  RunRules(EverySkillRules(), context);
  RunRouted(kSkillRoutes, skill.GetBookCode(), context);
  return true;
}

bool DispatchSpell(CChar_Character& character, CChar_Skill_Base& spell) {
  // One context for every table: the advantages that the tables look for are found once.
  SkillContext context(character, spell);
  for (const RoutedTable<SkillRow>& table : kSpellTables) RunRules(table.rows(), context);
  RunRules(EverySpellRules(), context);
  return true;
}

std::span<const RoutedTable<AdvantageRow>> AdvantageRoutes() { return kAdvantageRoutes; }
std::span<const RoutedTable<AdvantageRow>> DisadvantageRoutes() { return kDisadvantageRoutes; }
std::span<const RoutedTable<SkillRow>> SkillRoutes() { return kSkillRoutes; }
std::span<const RoutedTable<SkillRow>> SpellTables() { return kSpellTables; }

}  // namespace zulparvo
