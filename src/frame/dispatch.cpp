#include "frame/dispatch.h"

#include <array>
#include <string_view>

#include "adjusters/skill_side_adjusters.h"
#include "base/book_codes.h"
#include "model/type_tags.h"
#include "rules/rule_tables.h"

namespace zulparvo {

namespace {

template <class Table>
struct Route {
  std::string_view book;
  Table table;
};

// The routing tables: a record goes to the rule table of the first row whose book is
// the record's.
constexpr std::array<Route<AdvantageRuleTable>, 9> kAdvantageRoutes{{
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

constexpr std::array<Route<AdvantageRuleTable>, 6> kDisadvantageRoutes{{
    {BOOK_05, DisadvantageRulesB05},
    {BOOK_01, DisadvantageRulesB01},
    {BOOK_15, DisadvantageRulesB15},
    {BOOK_34, DisadvantageRulesB34},
    {BOOK_13, DisadvantageRulesB13},
    {BOOK_06, DisadvantageRulesB06},
}};

constexpr std::array<Route<SkillRuleTable>, 5> kSkillRoutes{{
    {BOOK_05, SkillRulesB05},
    {BOOK_01, SkillRulesB01},
    {BOOK_13, SkillRulesB13},
    {BOOK_26, SkillRulesB26},
    {BOOK_46, SkillRulesB46},
}};

// Every spell meets every one of these, in this order.
constexpr std::array<SkillRuleTable, 6> kSpellTables{
    SpellRulesB05, SpellRulesB30, SpellRulesB13, SpellRulesB15, SpellRulesB37, SpellRulesB34,
};

template <class Routes, class... Args>
bool CallRouted(const Routes& routes, const CString& book, Args&... args) {
  for (const auto& route : routes) {
    if (book == route.book) return route.table(args...);
  }
  return true;
}

}  // namespace

bool DispatchAdvantage(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) {
  return CallRouted(kAdvantageRoutes, record.GetBookCode(), character, record, keepRecords);
}

bool DispatchDisadvantage(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) {
  return CallRouted(kDisadvantageRoutes, record.GetBookCode(), character, record, keepRecords);
}

bool DispatchSkill(CChar_Character& character, CChar_Skill_Base& skill) {
  const CString racialBook(BOOK_01);
  ApplyRacialSkillModifier(character, skill);
  RacialDisadvantageSkillRuleB01(character, skill);
  AdjustSkillPerAdvantageLevel(character, skill, character.GetAdvantages(), 128, kCategoryRacialAdvantage, racialBook);
  AdjustSkillPerAdvantageLevel(character, skill, character.GetDisadvantages(), 52, kCategoryRacialDisadvantage,
                               racialBook);
  return CallRouted(kSkillRoutes, skill.GetBookCode(), character, skill);
}

bool DispatchSpell(CChar_Character& character, CChar_Skill_Base& spell) {
  bool result = true;
  for (const SkillRuleTable table : kSpellTables) result = table(character, spell);
  ApplySpellBonusSetting(character, spell);
  return result;
}

}  // namespace zulparvo
