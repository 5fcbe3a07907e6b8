// Rules of book B13 for spells.
#include "rules/rule_tables.h"

#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<SkillRule> kSpellRulesB13 = {
};

}  // namespace

bool SpellRulesB13(CChar_Character& character, CChar_Skill_Base& spell) { return RunRules<CChar_Skill_Base>(kSpellRulesB13, {character, spell}); }

}  // namespace zulparvo
