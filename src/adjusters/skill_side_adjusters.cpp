#include "adjusters/skill_side_adjusters.h"

#include <cmath>
#include <cstddef>

#include "frame/book_codes.h"
#include "frame/utilities/utilities.h"
#include "model/type_tags.h"

namespace zulparvo {

namespace {

constexpr int kRacialSkillModifier = 95;
constexpr int kSkillBonusSettingSkill = 130;

// The number between the first "(" and the first ")"; 0 when either is missing or the
// ")" comes first, so that no position outside the text is ever read.
int32_t ParenthesizedNumber(const CString& text) {
  const std::size_t open = text.find('(');
  const std::size_t close = text.find(')');
  if (open == CString::npos || close == CString::npos || close < open) return 0;
  return TruncateToInt(static_cast<double>(StringtoLong(text.substr(open + 1, close - open - 1))));
}

void ApplyMentalModeBonus(const CChar_Character& character, CChar_Skill_Base& skill) {
  const int32_t mode = character.GetMentalMode();
  if (mode == 1 || mode == 2) AddToBonus(skill, mode);
}

}  // namespace

void ApplyRacialSkillModifier(CChar_Character& character, CChar_Skill_Base& skill) {
  CChar_Ad_Disad* entry = FindAdvantage(
      character.GetAdvantages(), CString(BOOK_01), kRacialSkillModifier, kCategoryRacialAdvantage,
      [&](const CChar_Ad_Disad& e) {
        return e.GetIntegerKey() == skill.GetIdentifier() && e.GetTextKey() == skill.GetBookCode();
      });
  if (entry == nullptr) return;
  const int32_t amount = ParenthesizedNumber(entry->GetDescription());
  AddToBonus(skill, amount);
  character.AddChangeMessage(amount, skill.GetDisplayName(), "Skill Modifier: " + entry->GetDisplayName());
}

void AdjustSkillPerAdvantageLevel(CChar_Character& character, CChar_Skill_Base& skill, AdvantageList& list,
                                  int advId, const CString& advTypeTag, const CString& advBook) {
  for (std::size_t i = 0; i < list.GetSize(); ++i) {
    CChar_Ad_Disad& entry = *list.GetAt(i);
    if (entry.GetBookCode() != advBook || entry.GetIdentifier() != advId || entry.GetCategory() != advTypeTag ||
        (CollegesOf(entry) & skill.GetGroups()) == 0) {
      continue;
    }
    // The levels, negated for a negative cost per level: the base cost divided by the
    // magnitude of the cost per level (0 without one).
    const int32_t amount = DividedAmount(entry.GetBaseCost(), std::fabs(entry.GetCostPerLevel()));
    AddToBonus(skill, amount);
    LogChange(character, amount, skill.GetDisplayName(), entry);
  }
}

void ApplySpellBonusSetting(CChar_Character& character, CChar_Skill_Base& spell) {
  ApplyMentalModeBonus(character, spell);
}

void ApplySkillBonusSetting(CChar_Character& character, CChar_Skill_Base& skill) {
  if (skill.GetIdentifier() == kSkillBonusSettingSkill) ApplyMentalModeBonus(character, skill);
}

}  // namespace zulparvo
