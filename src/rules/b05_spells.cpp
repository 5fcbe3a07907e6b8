// Rules of book B05 for spells: the basic magic advantage (advantage 28) raises every
// spell, whatever the variant it was taken as, by the level that its total cost buys.
// Identifier -1: the rows apply to every spell, of any book.
#include "rules/rule_tables.h"

#include "adjusters/skill_side_adjusters.h"
#include "base/book_codes.h"
#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<SkillRule> kSpellRulesB05 = {
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 15.0, 1, "AD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 25.0, 2, "AD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 35.0, 3, "AD"),
};

}  // namespace

bool SpellRulesB05(CChar_Character& character, CChar_Skill_Base& spell) {
  return RunRules<CChar_Skill_Base>(kSpellRulesB05, {character, spell});
}

}  // namespace zulparvo
