// Rules of book B01 for skills.
#include "rules/rule_tables.h"

#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<SkillRule> kSkillRulesB01 = {
};

const std::vector<SkillRule> kRacialDisadvantageSkillRuleB01 = {
};

}  // namespace

bool SkillRulesB01(CChar_Character& character, CChar_Skill_Base& skill) { return RunRules<CChar_Skill_Base>(kSkillRulesB01, {character, skill}); }

bool RacialDisadvantageSkillRuleB01(CChar_Character& character, CChar_Skill_Base& skill) { return RunRules<CChar_Skill_Base>(kRacialDisadvantageSkillRuleB01, {character, skill}); }

}  // namespace zulparvo
