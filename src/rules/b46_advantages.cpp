// Rules of book B46 for advantages.
#include "rules/rule_tables.h"

#include "adjusters/spell_bonus_adjusters.h"
#include "base/book_codes.h"
#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<AdvantageRule> kAdvantageRulesB46 = {
    // Every force skill of the skill list, by base cost and sub-entry.
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSkills, kRecord, 3, "ALL", -2, 15.0, 1, 1, BOOK_46, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSkills, kRecord, 3, "ALL", -2, 25.0, 2, 2, BOOK_46, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSkills, kRecord, 3, "ALL", -2, 35.0, 3, 3, BOOK_46, "AD"),
};

}  // namespace

bool AdvantageRulesB46(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) {
  return RunRules<CChar_Ad_Disad>(kAdvantageRulesB46, {character, record, keepRecords});
}

}  // namespace zulparvo
