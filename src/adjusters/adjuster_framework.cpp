#include "adjusters/adjuster_framework.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/saturating.h"
#include "base/utilities.h"
#include "model/ad_disad_magery_colleges.h"
#include "model/type_tags.h"

namespace zulparvo {

namespace {

bool MeetsCostAndSubEntry(const CChar_Ad_Disad& entry, const std::optional<double>& cost,
                          const std::optional<SubEntry>& sub) {
  if (cost && entry.GetCostWithExtra() != *cost) return false;
  if (!sub) return true;
  return entry.GetSubIdentifier() == sub->identifier && (sub->book.empty() || entry.GetSubBookCode() == sub->book) &&
         (sub->category.empty() || entry.GetSubCategory() == sub->category);
}

int32_t Clamp(long value) {
  return static_cast<int32_t>(std::clamp<long>(value, std::numeric_limits<int32_t>::min(),
                                               std::numeric_limits<int32_t>::max()));
}

}  // namespace

std::span<CChar_Ad_Disad* const> AdvantageSearch::Entries(const AdvantageRef& advantage) {
  for (const Found& found : m_found) {
    if (found.identifier == advantage.identifier && found.tag == advantage.tag && found.book == advantage.book) {
      return found.entries;
    }
  }
  Found& found = m_found.emplace_back(Found{advantage.book, advantage.identifier, advantage.tag, {}});
  // The whole list is walked for every record, so the identifier is compared here, before
  // any call.
  for (const auto& item : ListOf(m_character, advantage)) {
    auto& entry = static_cast<CChar_Ad_Disad&>(*item);
    if (entry.GetIdentifier() == advantage.identifier && IsEntry(entry, advantage)) found.entries.push_back(&entry);
  }
  return found.entries;
}

CChar_Ad_Disad* AdvantageSearch::First(const AdvantageRef& advantage) {
  return First(advantage, [](const CChar_Ad_Disad&) { return true; });
}

bool Matches(const CChar_Ad_Disad& record, const ForRecord& rule) {
  return record.GetIdentifier() == rule.identifier && record.GetCategory() == rule.tag &&
         (!rule.baseCost || record.GetBaseCost() == *rule.baseCost) &&
         MeetsCostAndSubEntry(record, rule.cost, rule.sub);
}

bool BookMatches(std::string_view entryBook, std::string_view ruleBook) {
  return ruleBook == kAnyBook || entryBook == ruleBook;
}

AdvantageList& ListOf(CChar_Character& character, const AdvantageRef& advantage) {
  const bool disadvantage = advantage.tag == kCategoryDisadvantage || advantage.tag == kCategoryRacialDisadvantage;
  return disadvantage ? character.GetDisadvantages() : character.GetAdvantages();
}

bool IsEntry(const CChar_Ad_Disad& entry, const AdvantageRef& advantage) {
  return entry.GetIdentifier() == advantage.identifier && entry.GetCategory() == advantage.tag &&
         BookMatches(entry.GetBookCode(), advantage.book);
}

bool IsVariant(const CChar_Ad_Disad& entry, const AdvantageRef& advantage) {
  return IsEntry(entry, advantage) && MeetsCostAndSubEntry(entry, advantage.cost, advantage.sub);
}

CChar_Ad_Disad* FindAdvantage(AdvantageList& list, const AdvantageRef& advantage) {
  return FindAdvantage(list, advantage, [](const CChar_Ad_Disad&) { return true; });
}

int32_t TruncateToInt(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kLow = std::numeric_limits<int32_t>::min();
  constexpr double kHigh = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(std::clamp(std::trunc(value), kLow, kHigh));
}

int32_t DividedAmount(double value, double divisor) { return divisor == 0.0 ? 0 : TruncateToInt(value / divisor); }

int32_t DescriptionBonus(const CChar_Ad_Disad& record) { return Clamp(GetDescBonus(record.GetDescription())); }

int32_t DescriptionBonusPlusLevel(const CChar_Ad_Disad& record) {
  return SaturatingAdd(DescriptionBonus(record), record.GetLevel());
}

int32_t ParenthesizedNumber(std::string_view text) {
  const std::size_t open = text.find('(');
  const std::size_t close = text.find(')');
  if (open == std::string_view::npos || close == std::string_view::npos || close < open) return 0;
  return Clamp(StringtoLong(CString(text.substr(open + 1, close - open - 1))));
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

void AddToBonus(CChar_Skill_Base& skill, int32_t amount) { skill.SetBonus(SaturatingAdd(skill.GetBonus(), amount)); }

void LogChange(CChar_Character& character, int32_t amount, std::string_view what, const CChar_Ad_Disad& source) {
  character.AddChangeMessage(amount, CString(what), source.GetDisplayName());
}

void RaiseField(CChar_Character& character, const CharacterField& field, int32_t amount) {
  (character.*field.set)(SaturatingAdd((character.*field.get)(), amount));
}

void AddToField(CChar_Character& character, const CharacterField& field, int32_t amount, const CChar_Ad_Disad& source) {
  RaiseField(character, field, amount);
  LogChange(character, amount, field.what, source);
}

}  // namespace zulparvo
