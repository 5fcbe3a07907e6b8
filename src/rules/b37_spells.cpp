// Rules of book B37 for spells.
#include "rules/rule_tables.h"

#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<SkillRule> kSpellRulesB37 = {
};

}  // namespace

bool SpellRulesB37(CChar_Character& character, CChar_Skill_Base& spell) { return RunRules<CChar_Skill_Base>(kSpellRulesB37, {character, spell}); }

}  // namespace zulparvo
