// Rules of book B26 for skills.
#include "rules/rule_tables.h"

#include "adjusters/skill_side_adjusters.h"
#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<SkillRule> kSkillRulesB26 = {
    SkillRow(ApplyMagicAptitudeTable, kAdvantages, kRecord, 6),
};

}  // namespace

bool SkillRulesB26(CChar_Character& character, CChar_Skill_Base& skill) {
  return RunRules<CChar_Skill_Base>(kSkillRulesB26, {character, skill});
}

}  // namespace zulparvo
