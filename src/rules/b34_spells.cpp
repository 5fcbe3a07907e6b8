// Rules of book B34 for spells.
#include "rules/rule_tables.h"

#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<SkillRule> kSpellRulesB34 = {
};

}  // namespace

bool SpellRulesB34(CChar_Character& character, CChar_Skill_Base& spell) { return RunRules<CChar_Skill_Base>(kSpellRulesB34, {character, spell}); }

}  // namespace zulparvo
