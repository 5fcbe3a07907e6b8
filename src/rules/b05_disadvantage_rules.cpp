#include "rules/b05_disadvantage_rules.h"

#include <algorithm>
#include <array>

#include "base/book_codes.h"

namespace zulparvo {

namespace {

constexpr ForRecord kMoveDisadvantage{42, "DISAD"};
constexpr int32_t kMeleeGroup = 1 << 25;  // "CW-MELEE"
constexpr int32_t kBlockGroup = 1 << 27;  // "CW-BLOCK"
constexpr std::array<int32_t, 6> kMovementSkills{3, 41, 47, 135, 148, 194};

// Option 1 slows the character (the speed bonus, though the message names Move);
// options 2 and 3 cap the move.
void ApplyMoveOption(CChar_Character& character, const CChar_Ad_Disad& record, int32_t penalty) {
  switch (record.GetSubIdentifier()) {
    case 1:
      character.SetBasicSpeedBonus(character.GetBasicSpeedBonus() - 3.0);
      LogChange(character, -penalty, "Move", record);
      break;
    case 2:
      character.SetMoveCap(2.0);
      LogChange(character, -penalty, "Move (Max 2)", record);
      break;
    case 3:
      character.SetMoveCap(0.0);
      LogChange(character, -penalty, "Move (Max 0)", record);
      break;
    default:
      break;
  }
}

}  // namespace

int32_t MovePenalty(int32_t option) {
  if (option == 1) return 3;
  if (option == 2 || option == 3) return 6;
  return 0;
}

bool IsLoweredByMovePenalty(const CChar_Skill_Base& skill) {
  if (skill.HasGroup(kMeleeGroup | kBlockGroup)) return true;
  return skill.GetBookCode() == BOOK_05 &&
         std::ranges::find(kMovementSkills, skill.GetIdentifier()) != kMovementSkills.end();
}

void ApplyMovePenaltyRule(AdvantageContext& context) {
  const CChar_Ad_Disad& record = context.record;
  if (!Matches(record, kMoveDisadvantage)) return;
  const int32_t penalty = MovePenalty(record.GetSubIdentifier());
  ApplyMoveOption(context.character, record, penalty);
  AddToSelected(context.character, context.character.GetSkills(), record, -penalty, true, IsLoweredByMovePenalty);
}

void ApplyDisadvantageOptionPenalty(SkillContext& context) {
  if (!IsLoweredByMovePenalty(context.skill)) return;
  const CChar_Ad_Disad* disadvantage = context.search.First({kAnyBook, kMoveDisadvantage.identifier, "DISAD"});
  if (disadvantage == nullptr) return;
  const int32_t penalty = MovePenalty(disadvantage->GetSubIdentifier());
  AddToBonus(context.skill, -penalty);
  LogChange(context.character, -penalty, context.skill.GetDisplayName(), *disadvantage);
}

}  // namespace zulparvo
