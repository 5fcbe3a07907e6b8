// The four dispatchers: a record routed by its source book to the rule table of that
// book. Dispatchers keep no state and may be re-entered from inside a rule table.
#pragma once

#include <span>
#include <string_view>

#include "model/ad_disad.h"
#include "model/character.h"
#include "model/skill_base.h"
#include "rules/rule_table.h"

namespace zulparvo {

bool DispatchAdvantage(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords);
bool DispatchDisadvantage(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords);
// The rules of every skill, then the rule table of the skill's book.
bool DispatchSkill(CChar_Character& character, CChar_Skill_Base& skill);
// Every spell rule table, whatever the spell's book, then the rules of every spell.
bool DispatchSpell(CChar_Character& character, CChar_Skill_Base& spell);

// A book's rule table for one kind of record.
template <class Row>
struct RoutedTable {
  std::string_view book;
  std::span<const Row> (*rows)();
};

// The routing: a record goes to the table of the first entry whose book is the
// record's. The spell tables are not routed: every spell meets each of them in turn.
std::span<const RoutedTable<AdvantageRow>> AdvantageRoutes();
std::span<const RoutedTable<AdvantageRow>> DisadvantageRoutes();
std::span<const RoutedTable<SkillRow>> SkillRoutes();
std::span<const RoutedTable<SkillRow>> SpellTables();

}  // namespace zulparvo
