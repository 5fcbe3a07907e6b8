// Rules of book B01 for skills, and the racial-disadvantage skill modifier that every
// skill meets.
#include "rules/rule_tables.h"

#include <cstddef>

#include "adjusters/adjuster_framework.h"
#include "adjusters/skill_side_adjusters.h"
#include "base/book_codes.h"
#include "base/utilities.h"
#include "model/type_tags.h"
#include "rules/rule_table.h"

namespace zulparvo {

namespace {

constexpr int kRacialSkillModifier = 51;  // racial disadvantage of B01

// The number written between the first "(" and the first ")" of the text. Without a
// "(" the number is read from the start of the text up to the ")"; without a ")", or
// with the ")" before the "(", there is none and the result is 0.
int32_t ModifierNumber(const CString& text) {
  const std::size_t open = text.find('(');
  const std::size_t start = open == CString::npos ? 0 : open + 1;
  const std::size_t close = text.find(')');
  if (close == CString::npos || close <= start) return 0;
  return TruncateToInt(static_cast<double>(StringtoLong(text.substr(start, close - start))));
}

// The first racial skill modifier among the disadvantages whose integer key and text
// key name this skill adds the number in its description; logged under the
// disadvantage's shown name.
void ApplyRacialDisadvantageSkillModifier(CChar_Character& character, CChar_Skill_Base& skill) {
  const CChar_Ad_Disad* entry = FindAdvantage(
      character.GetDisadvantages(), CString(BOOK_01), kRacialSkillModifier, kCategoryRacialDisadvantage,
      [&](const CChar_Ad_Disad& e) {
        return e.GetIntegerKey() == skill.GetIdentifier() && e.GetTextKey() == skill.GetBookCode();
      });
  if (entry == nullptr) return;
  const int32_t amount = ModifierNumber(entry->GetDescription());
  AddToBonus(skill, amount);
  LogChange(character, amount, skill.GetDisplayName(), *entry);
}

const std::vector<SkillRule> kSkillRulesB01 = {
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 61, BOOK_15, 2, 1, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 61, BOOK_15, 3, 1, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kDisadvantages, kRecord, 1, BOOK_05, 14, -1, "DISAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 1, BOOK_05, 61, 1, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 1, BOOK_01, 57, 1, "RACAD"),
};

const std::vector<SkillRule> kRacialDisadvantageSkillRuleB01 = {
    SkillRow(ApplyRacialDisadvantageSkillModifier, kCharacter, kRecord),
};

}  // namespace

bool SkillRulesB01(CChar_Character& character, CChar_Skill_Base& skill) {
  return RunRules<CChar_Skill_Base>(kSkillRulesB01, {character, skill});
}

bool RacialDisadvantageSkillRuleB01(CChar_Character& character, CChar_Skill_Base& skill) {
  return RunRules<CChar_Skill_Base>(kRacialDisadvantageSkillRuleB01, {character, skill});
}

}  // namespace zulparvo
