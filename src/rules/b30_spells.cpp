// Rules of book B30 for spells.
#include "rules/rule_tables.h"

#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<SkillRule> kSpellRulesB30 = {
};

}  // namespace

bool SpellRulesB30(CChar_Character& character, CChar_Skill_Base& spell) { return RunRules<CChar_Skill_Base>(kSpellRulesB30, {character, spell}); }

}  // namespace zulparvo
