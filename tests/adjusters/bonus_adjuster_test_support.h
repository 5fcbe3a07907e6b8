// Skill and spell entries for the tests of the adjusters that change skill bonuses.
#pragma once

#include <cstdint>
#include <memory>
#include <type_traits>

#include "adjusters/field_adjuster_test_support.h"
#include "model/ad_disad_magery_colleges.h"
#include "model/skill_base.h"
#include "model/skill_default_display_only.h"
#include "model/skill_heading.h"
#include "model/skill_spell.h"
#include "platform/collections.h"

namespace zulparvo::testing {

// What a test sets on a skill or spell entry; a case names only what it is about.
struct EntrySpec {
  CString book = "B05";
  int32_t identifier = 1;
  CString name = "Skill";
  int32_t groups = 0;
  int32_t bonus = 0;
  int32_t level = 0;
  int32_t colleges = 0;    // spells only
  CString collegeText{};  // spells only
};

template <class T>
T& AddEntry(CObArray& list, const EntrySpec& wanted) {
  auto entry = std::make_unique<T>();
  entry->SetBookCode(wanted.book);
  entry->SetIdentifier(wanted.identifier);
  entry->SetName(wanted.name);
  entry->SetGroups(wanted.groups);
  entry->SetBonus(wanted.bonus);
  entry->SetLevel(wanted.level);
  if constexpr (std::is_base_of_v<CChar_Skill_Spell, T>) {
    entry->SetColleges(wanted.colleges);
    entry->SetCollegeText(wanted.collegeText);
  }
  T& added = *entry;
  list.Add(std::move(entry));
  return added;
}

inline CChar_Skill_Base& AddSkill(CObArray& list, const EntrySpec& wanted) {
  return AddEntry<CChar_Skill_Base>(list, wanted);
}
inline CChar_Skill_Spell& AddSpell(CObArray& list, const EntrySpec& wanted) {
  return AddEntry<CChar_Skill_Spell>(list, wanted);
}
// A display-only default: every walk passes it over, whatever its book and identifier.
inline CChar_Skill_Base& AddDisplayOnly(CObArray& list, const EntrySpec& wanted) {
  return AddEntry<CChar_Skill_Default_DisplayOnly>(list, wanted);
}
inline void AddHeading(CObArray& list) { list.Add(std::make_unique<CChar_Skill_Heading>()); }

// A college-limited magic advantage.
inline CChar_Ad_Disad_Magery_Colleges MakeMageryRecord(const RecordSpec& wanted, int32_t colleges) {
  CChar_Ad_Disad_Magery_Colleges record;
  static_cast<CChar_Ad_Disad&>(record) = MakeRecord(wanted);
  record.SetColleges(colleges);
  return record;
}

}  // namespace zulparvo::testing
