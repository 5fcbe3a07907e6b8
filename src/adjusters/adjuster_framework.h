// What every adjuster shares: the match of the rule's record, the sources of amounts,
// the walk over target entries, the search of advantage lists, and the change message.
//
// An adjuster is a free function (character, [list,] record, identifier, constants...,
// typeTag) that does nothing unless the record is the one its rule names; then it
// works out an amount, adds it to one field, and logs the change on the character.
#pragma once

#include <cstdint>
#include <utility>

#include "model/ad_disad.h"
#include "model/character.h"
#include "model/skill_base.h"
#include "platform/collections.h"

namespace zulparvo {

using AdvantageList = CTypedObArray<CChar_Ad_Disad>;

// --- matching ---

// The record is the rule's: its identifier is checked first, then its category tag.
bool MatchesRule(const CChar_Ad_Disad& record, int identifier, const CString& typeTag);

// The entry's book is the rule's, or the rule's book is "ALL".
bool BookMatches(const CString& entryBook, const CString& ruleBook);

// The record's total cost (cost + extra cost) is exactly the required value.
bool CostIs(const CChar_Ad_Disad& record, double requiredCost);

// The record's sub-entry is the one the rule asks for.
bool SubEntryIs(const CChar_Ad_Disad& record, int subIdentifier, const CString& subBook);

// --- amounts ---

// A real made whole by truncation toward zero; not-a-number gives 0 and values beyond
// the range of an integer stop at its limits.
int32_t TruncateToInt(double value);

// truncate(value / divisor); 0 when the divisor is 0 (no rule passes one, but a value
// taken from a record can be anything).
int32_t DividedAmount(double value, double divisor);

// GetDescBonus of the record's description, with and without the record's level.
int32_t DescriptionBonus(const CChar_Ad_Disad& record);
int32_t DescriptionBonusPlusLevel(const CChar_Ad_Disad& record);

// --- targets ---

// Heading rows ("SH"), display-only defaults ("DSDO") and anything that is not a
// skill-family record are passed over by every walk.
CChar_Skill_Base* TargetEntry(CObject& entry);

// Calls visit(skill) for every entry of the list that a walk does not pass over, in
// order.
template <class Visit>
void ForEachTarget(CObArray& list, Visit&& visit) {
  for (const auto& entry : list) {
    if (CChar_Skill_Base* skill = TargetEntry(*entry)) visit(*skill);
  }
}

// The colleges of a college-limited magic advantage; any other record covers none.
int32_t CollegesOf(const CChar_Ad_Disad& record);

// The first entry of the list with the book, identifier and category tag that also
// passes `extra` (when given); null when there is none.
CChar_Ad_Disad* FindAdvantage(AdvantageList& list, const CString& book, int identifier, const CString& typeTag);
template <class Extra>
CChar_Ad_Disad* FindAdvantage(AdvantageList& list, const CString& book, int identifier, const CString& typeTag,
                              Extra&& extra) {
  for (std::size_t i = 0; i < list.GetSize(); ++i) {
    CChar_Ad_Disad& entry = *list.GetAt(i);
    if (entry.GetBookCode() == book && entry.GetIdentifier() == identifier && entry.GetCategory() == typeTag &&
        extra(entry)) {
      return &entry;
    }
  }
  return nullptr;
}

// --- fields and messages ---

// A skill's bonus raised by the amount (saturating).
void AddToBonus(CChar_Skill_Base& skill, int32_t amount);

// One change message: the amount, what changed, and the shown name of the record
// that caused it.
void LogChange(CChar_Character& character, int32_t amount, const CString& what, const CChar_Ad_Disad& source);

// Adds the amount to the bonus of every entry that ForEachTarget visits and select
// accepts; with logEach, logs each change under the entry's shown name.
template <class Select>
void AddToSelected(CChar_Character& character, CObArray& list, const CChar_Ad_Disad& source, int32_t amount,
                   bool logEach, Select&& select) {
  ForEachTarget(list, [&](CChar_Skill_Base& entry) {
    if (!select(std::as_const(entry))) return;
    AddToBonus(entry, amount);
    if (logEach) LogChange(character, amount, entry.GetDisplayName(), source);
  });
}

// A whole-number field of the character, by its accessor pair, and the text that names
// it in change messages.
struct CharacterField {
  int32_t (CChar_Character::*get)() const;
  void (CChar_Character::*set)(int32_t);
  const char* what;
};

// The field raised by the amount (saturating); AddToField also logs the change.
void RaiseField(CChar_Character& character, const CharacterField& field, int32_t amount);
void AddToField(CChar_Character& character, const CharacterField& field, int32_t amount, const CChar_Ad_Disad& source);

}  // namespace zulparvo
