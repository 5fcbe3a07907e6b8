// What every adjuster shares: what it works on, the constants that a rule row gives it,
// the match of the rule's record, the sources of amounts, the walks over target
// entries, the search of the advantage lists, and the change message.
//
// An adjuster applies one kind of effect. Its constants are one row of a rule table:
// a struct named for the adjuster, such as
//     AdjustSkillBonus{.record = {61, "AD"}, .skill = {BOOK_05, 122}, .bonus = 1}
// and Apply(context, row) does nothing unless the record at hand is the one that the
// row is for; then it works out an amount, adds it to one field, and logs the change
// on the character.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "model/ad_disad.h"
#include "model/character.h"
#include "model/skill_base.h"
#include "platform/collections.h"

namespace zulparvo {

using AdvantageList = CTypedObArray<CChar_Ad_Disad>;

inline constexpr std::string_view kAnyBook = "ALL";
inline constexpr int32_t kAnyEntry = -1;    // every entry of a list, or every skill
inline constexpr int32_t kForceSkills = -2;  // the force skills, by their group

// --- the constants of rows ---

// The entry of a sub-table that the character chose for an advantage. An empty book or
// category is not compared.
struct SubEntry {
  int32_t identifier;
  std::string_view book{};
  std::string_view category{};
};

// The record that a row is for: its identifier and category tag, and where the row
// asks for them its total cost (cost + extra cost), its base cost and its sub-entry,
// each compared exactly. Its book is the table's.
struct ForRecord {
  int32_t identifier;
  std::string_view tag;
  std::optional<double> cost{};
  std::optional<double> baseCost{};
  std::optional<SubEntry> sub{};
};

// An advantage that a row looks for on the character, in the list of its category
// (advantages for "AD" and "RACAD", disadvantages for "DISAD" and "RACDISAD"): the
// first entry with its book ("ALL": any), identifier and tag, and where asked its total
// cost and sub-entry.
struct AdvantageRef {
  std::string_view book;
  int32_t identifier;
  std::string_view tag;
  std::optional<double> cost{};
  std::optional<SubEntry> sub{};
};

// Skills of a book ("ALL": any) with an identifier (-1: any).
struct SkillRef {
  std::string_view book;
  int32_t identifier;
};

// A whole-number field of the character, by its accessor pair, and the text that names
// it in change messages.
struct CharacterField {
  int32_t (CChar_Character::*get)() const;
  void (CChar_Character::*set)(int32_t);
  std::string_view what;
};

// The entry has the reference's identifier, tag and book; IsVariant also its cost and
// sub-entry. The identifier is compared first and the book last.
bool IsEntry(const CChar_Ad_Disad& entry, const AdvantageRef& advantage);
bool IsVariant(const CChar_Ad_Disad& entry, const AdvantageRef& advantage);

// --- what an adjuster works on ---

// The entries of the character's advantage lists that the rules for one skill or spell
// look for, each search made once for the record: the rows of its tables ask for the
// same few advantages again and again. The rules for a skill or spell never add to or
// take from these lists, so what was found stays true while they run.
class AdvantageSearch {
 public:
  explicit AdvantageSearch(CChar_Character& character) : m_character(character) {}

  // The entries with the book, identifier and tag of the reference, in list order (its
  // cost and sub-entry are not looked at here).
  std::span<CChar_Ad_Disad* const> Entries(const AdvantageRef& advantage);
  // The first of them with the reference's cost and sub-entry that also passes `extra`
  // (when given); null when there is none.
  CChar_Ad_Disad* First(const AdvantageRef& advantage);
  template <class Extra>
  CChar_Ad_Disad* First(const AdvantageRef& advantage, Extra&& extra) {
    for (CChar_Ad_Disad* entry : Entries(advantage)) {
      if (IsVariant(*entry, advantage) && extra(std::as_const(*entry))) return entry;
    }
    return nullptr;
  }

 private:
  struct Found {
    std::string_view book;
    int32_t identifier;
    std::string_view tag;
    std::vector<CChar_Ad_Disad*> entries;
  };
  CChar_Character& m_character;
  std::vector<Found> m_found;
};

// The rules of an advantage or disadvantage run for the character and the record.
struct AdvantageContext {
  CChar_Character& character;
  CChar_Ad_Disad& record;
  bool keepRecords = false;
};

// The rules of a skill or spell run for the character and the skill.
struct SkillContext {
  SkillContext(CChar_Character& c, CChar_Skill_Base& s) : character(c), skill(s), search(c) {}
  CChar_Character& character;
  CChar_Skill_Base& skill;
  AdvantageSearch search;
};

// --- matching ---

// The record is the row's: its identifier is checked first, then its category tag,
// then what else the row asks for.
bool Matches(const CChar_Ad_Disad& record, const ForRecord& rule);

// The entry's book is the rule's, or the rule's book is "ALL".
bool BookMatches(std::string_view entryBook, std::string_view ruleBook);

// The list that holds advantages of the reference's category.
AdvantageList& ListOf(CChar_Character& character, const AdvantageRef& advantage);

// The first entry of the list that is the reference's and passes `extra` (when given);
// null when there is none.
template <class Extra>
CChar_Ad_Disad* FindAdvantage(AdvantageList& list, const AdvantageRef& advantage, Extra&& extra) {
  for (std::size_t i = 0; i < list.GetSize(); ++i) {
    CChar_Ad_Disad& entry = *list.GetAt(i);
    if (IsVariant(entry, advantage) && extra(std::as_const(entry))) return &entry;
  }
  return nullptr;
}
CChar_Ad_Disad* FindAdvantage(AdvantageList& list, const AdvantageRef& advantage);

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

// The whole number between the first "(" and the first ")" of the text; 0 when either
// is missing or the ")" comes first.
int32_t ParenthesizedNumber(std::string_view text);

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

// --- fields and messages ---

// A skill's bonus raised by the amount (saturating).
void AddToBonus(CChar_Skill_Base& skill, int32_t amount);

// One change message: the amount, what changed, and the shown name of the record
// that caused it.
void LogChange(CChar_Character& character, int32_t amount, std::string_view what, const CChar_Ad_Disad& source);

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

// The field raised by the amount (saturating); AddToField also logs the change.
void RaiseField(CChar_Character& character, const CharacterField& field, int32_t amount);
void AddToField(CChar_Character& character, const CharacterField& field, int32_t amount, const CChar_Ad_Disad& source);

}  // namespace zulparvo
