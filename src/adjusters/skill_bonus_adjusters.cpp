#include "adjusters/skill_bonus_adjusters.h"

namespace zulparvo {

namespace {

constexpr int kAnySkill = -1;

bool IsSkill(const CChar_Skill_Base& entry, const CString& book, int identifier) {
  return entry.GetBookCode() == book && entry.GetIdentifier() == identifier;
}

// The walk of this family: the character's skill list, one message per changed skill.
template <class Select>
void AddToSkills(CChar_Character& character, const CChar_Ad_Disad& record, int32_t amount, Select&& select,
                 bool logEach = true) {
  AddToSelected(character, character.GetSkills(), record, amount, logEach, select);
}

}  // namespace

void AdjustSkillBonus(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                      const CString& skillBook, int skillId, int bonus, const CString& typeTag) {
  if (!MatchesRule(record, identifier, typeTag)) return;
  AddToSkills(character, record, bonus,
              [&](const CChar_Skill_Base& entry) { return IsSkill(entry, skillBook, skillId); });
}

void AdjustSkillBonusBySubject(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                               const CString& skillBook, int skillId, int bonus, const CString& skillName,
                               const CString& typeTag) {
  if (!MatchesRule(record, identifier, typeTag)) return;
  AddToSkills(character, record, bonus, [&](const CChar_Skill_Base& entry) {
    return IsSkill(entry, skillBook, skillId) && entry.GetName() == skillName;
  });
}

void AdjustSkillBonusFromDescription(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                                     const CString& skillBook, int skillId, const CString& typeTag) {
  if (!MatchesRule(record, identifier, typeTag)) return;
  const auto select = [&](const CChar_Skill_Base& entry) {
    return BookMatches(entry.GetBookCode(), skillBook) && (skillId == kAnySkill || entry.GetIdentifier() == skillId);
  };
  AddToSkills(character, record, DescriptionBonusPlusLevel(record), select, skillId != kAnySkill);
}

void AdjustSkillBonusByFlag(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                            const CString& typeTag, int flagMask, int bonus) {
  if (!MatchesRule(record, identifier, typeTag)) return;
  AddToSkills(character, record, bonus, [&](const CChar_Skill_Base& entry) { return entry.HasGroup(flagMask); });
}

void AdjustSkillBonusUnlessAdvantage(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                                     const CString& typeTag, int skillId, const CString& skillBook, int bonus,
                                     AdvantageList& advantageList, int advId, const CString& advBook,
                                     const CString& advTypeTag) {
  if (!MatchesRule(record, identifier, typeTag)) return;
  if (FindAdvantage(advantageList, advBook, advId, advTypeTag) != nullptr) return;
  AddToSkills(character, record, bonus,
              [&](const CChar_Skill_Base& entry) { return IsSkill(entry, skillBook, skillId); });
}

void AdjustSkillsPerLevel(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                          const CString& typeTag) {
  if (!MatchesRule(record, identifier, typeTag)) return;
  // truncate(base cost / cost per level), turned negative by a negative cost per level.
  const double sign = record.GetCostPerLevel() < 0.0 ? -1.0 : 1.0;
  const int32_t amount = DividedAmount(sign * record.GetBaseCost(), record.GetCostPerLevel());
  const int32_t colleges = CollegesOf(record);
  AddToSkills(character, record, amount, [&](const CChar_Skill_Base& entry) { return entry.HasGroup(colleges); });
}

}  // namespace zulparvo
