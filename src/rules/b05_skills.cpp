// Rules of book B05 for skills.
#include "rules/rule_tables.h"

#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<SkillRule> kSkillRulesB05 = {
};

}  // namespace

bool SkillRulesB05(CChar_Character& character, CChar_Skill_Base& skill) { return RunRules<CChar_Skill_Base>(kSkillRulesB05, {character, skill}); }

}  // namespace zulparvo
