// Rules of book B46 for skills.
#include "rules/rule_tables.h"

#include "adjusters/skill_side_adjusters.h"
#include "base/book_codes.h"
#include "rules/rule_table.h"

namespace zulparvo {

namespace {

// Selects every skill whose groups are the force-skill group alone; such rows log
// nothing.
constexpr int kForceSkills = -2;

const std::vector<SkillRule> kSkillRulesB46 = {
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kAdvantages, kRecord, kForceSkills, BOOK_46, 3, 15.0, 1, "AD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kAdvantages, kRecord, kForceSkills, BOOK_46, 3, 25.0, 2, "AD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kAdvantages, kRecord, kForceSkills, BOOK_46, 3, 35.0, 3, "AD"),
};

}  // namespace

bool SkillRulesB46(CChar_Character& character, CChar_Skill_Base& skill) {
  return RunRules<CChar_Skill_Base>(kSkillRulesB46, {character, skill});
}

}  // namespace zulparvo
