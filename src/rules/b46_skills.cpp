// Rules of book B46 for skills.
#include "rules/rule_tables.h"

#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<SkillRule> kSkillRulesB46 = {
};

}  // namespace

bool SkillRulesB46(CChar_Character& character, CChar_Skill_Base& skill) { return RunRules<CChar_Skill_Base>(kSkillRulesB46, {character, skill}); }

}  // namespace zulparvo
