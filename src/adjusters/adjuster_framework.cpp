#include "adjusters/adjuster_framework.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/utilities.h"
#include "model/ad_disad_magery_colleges.h"
#include "model/type_tags.h"
#include "base/saturating.h"

namespace zulparvo {

bool MatchesRule(const CChar_Ad_Disad& record, int identifier, const CString& typeTag) {
  return record.GetIdentifier() == identifier && record.GetCategory() == typeTag;
}

bool BookMatches(const CString& entryBook, const CString& ruleBook) {
  return ruleBook == "ALL" || entryBook == ruleBook;
}

bool CostIs(const CChar_Ad_Disad& record, double requiredCost) { return record.GetCostWithExtra() == requiredCost; }

bool SubEntryIs(const CChar_Ad_Disad& record, int subIdentifier, const CString& subBook) {
  return record.GetSubIdentifier() == subIdentifier && record.GetSubBookCode() == subBook;
}

int32_t TruncateToInt(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kLow = std::numeric_limits<int32_t>::min();
  constexpr double kHigh = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(std::clamp(std::trunc(value), kLow, kHigh));
}

int32_t DividedAmount(double value, double divisor) { return divisor == 0.0 ? 0 : TruncateToInt(value / divisor); }

namespace {
int32_t Clamp(long value) {
  return static_cast<int32_t>(std::clamp<long>(value, std::numeric_limits<int32_t>::min(),
                                               std::numeric_limits<int32_t>::max()));
}
}  // namespace

int32_t DescriptionBonus(const CChar_Ad_Disad& record) { return Clamp(GetDescBonus(record.GetDescription())); }

int32_t DescriptionBonusPlusLevel(const CChar_Ad_Disad& record) {
  return SaturatingAdd(DescriptionBonus(record), record.GetLevel());
}

CChar_Skill_Base* TargetEntry(CObject& entry) {
  auto* skill = DynamicDownCast<CChar_Skill_Base>(&entry);
  if (skill == nullptr) return nullptr;
  const CString tag = skill->GetType();
  return tag == kTagSkillHeading || tag == kTagDefaultDisplayOnly ? nullptr : skill;
}

int32_t CollegesOf(const CChar_Ad_Disad& record) {
  return record.IsKindOf(CChar_Ad_Disad_Magery_Colleges::ThisClass())
             ? static_cast<const CChar_Ad_Disad_Magery_Colleges&>(record).GetColleges()
             : 0;
}

CChar_Ad_Disad* FindAdvantage(AdvantageList& list, const CString& book, int identifier, const CString& typeTag) {
  return FindAdvantage(list, book, identifier, typeTag, [](const CChar_Ad_Disad&) { return true; });
}

void AddToBonus(CChar_Skill_Base& skill, int32_t amount) { skill.SetBonus(SaturatingAdd(skill.GetBonus(), amount)); }

void LogChange(CChar_Character& character, int32_t amount, const CString& what, const CChar_Ad_Disad& source) {
  character.AddChangeMessage(amount, what, source.GetDisplayName());
}

void RaiseField(CChar_Character& character, const CharacterField& field, int32_t amount) {
  (character.*field.set)(SaturatingAdd((character.*field.get)(), amount));
}

void AddToField(CChar_Character& character, const CharacterField& field, int32_t amount, const CChar_Ad_Disad& source) {
  RaiseField(character, field, amount);
  LogChange(character, amount, field.what, source);
}

}  // namespace zulparvo
