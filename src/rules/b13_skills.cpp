// Rules of book B13 for skills.
#include "rules/rule_tables.h"

#include "adjusters/skill_side_adjusters.h"
#include "base/book_codes.h"
#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<SkillRule> kSkillRulesB13 = {
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 96, BOOK_05, 18, 3, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 98, BOOK_13, 34, 3, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 5, BOOK_05, 9, 3, "AD"),
};

}  // namespace

bool SkillRulesB13(CChar_Character& character, CChar_Skill_Base& skill) {
  return RunRules<CChar_Skill_Base>(kSkillRulesB13, {character, skill});
}

}  // namespace zulparvo
