// Rules of book B13 for skills.
#include "rules/rule_tables.h"

#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<SkillRule> kSkillRulesB13 = {
};

}  // namespace

bool SkillRulesB13(CChar_Character& character, CChar_Skill_Base& skill) { return RunRules<CChar_Skill_Base>(kSkillRulesB13, {character, skill}); }

}  // namespace zulparvo
