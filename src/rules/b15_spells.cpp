// Rules of book B15 for spells.
#include "rules/rule_tables.h"

#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<SkillRule> kSpellRulesB15 = {
};

}  // namespace

bool SpellRulesB15(CChar_Character& character, CChar_Skill_Base& spell) { return RunRules<CChar_Skill_Base>(kSpellRulesB15, {character, spell}); }

}  // namespace zulparvo
