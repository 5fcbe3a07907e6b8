#include "rules/b05_disadvantage_rules.h"

#include <algorithm>
#include <array>

#include "adjusters/adjuster_framework.h"
#include "base/book_codes.h"
#include "model/type_tags.h"

namespace zulparvo {

namespace {

constexpr int kMoveDisadvantage = 42;
constexpr int32_t kMeleeGroup = 1 << 25;  // "CW-MELEE"
constexpr int32_t kBlockGroup = 1 << 27;  // "CW-BLOCK"
constexpr std::array<int32_t, 6> kMovementSkills{3, 41, 47, 135, 148, 194};

// The first "DISAD" 42 of the list, whatever its book; null when there is none.
const CChar_Ad_Disad* FindMoveDisadvantage(const AdvantageList& list) {
  for (std::size_t i = 0; i < list.GetSize(); ++i) {
    const CChar_Ad_Disad* entry = list.GetAt(i);
    if (MatchesRule(*entry, kMoveDisadvantage, kCategoryDisadvantage)) return entry;
  }
  return nullptr;
}

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

void ApplyMovePenaltyRule(CChar_Character& character, const CChar_Ad_Disad& record) {
  if (!MatchesRule(record, kMoveDisadvantage, kCategoryDisadvantage)) return;
  const int32_t penalty = MovePenalty(record.GetSubIdentifier());
  ApplyMoveOption(character, record, penalty);
  AddToSelected(character, character.GetSkills(), record, -penalty, true, IsLoweredByMovePenalty);
}

void ApplyDisadvantageOptionPenalty(CChar_Character& character, CChar_Skill_Base& skill) {
  const CChar_Ad_Disad* disadvantage = FindMoveDisadvantage(character.GetDisadvantages());
  if (disadvantage == nullptr || !IsLoweredByMovePenalty(skill)) return;
  const int32_t penalty = MovePenalty(disadvantage->GetSubIdentifier());
  AddToBonus(skill, -penalty);
  LogChange(character, -penalty, skill.GetDisplayName(), *disadvantage);
}

}  // namespace zulparvo
