// Rules of book B05 for spells.
#include "rules/rule_tables.h"

#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<SkillRule> kSpellRulesB05 = {
};

}  // namespace

bool SpellRulesB05(CChar_Character& character, CChar_Skill_Base& spell) { return RunRules<CChar_Skill_Base>(kSpellRulesB05, {character, spell}); }

}  // namespace zulparvo
