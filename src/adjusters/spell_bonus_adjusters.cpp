#include "adjusters/spell_bonus_adjusters.h"

#include <array>

#include "base/book_codes.h"
#include "base/utilities.h"
#include "model/skill_spell.h"
#include "base/saturating.h"

namespace zulparvo {

namespace {

constexpr int kAnySpell = -1;
constexpr int kForceSkills = -2;
constexpr const char* kAllSpells = "All Spells";
constexpr const char* kAllForceSkills = "All Force Skills";

// The record is the rule's, with the base cost and sub-entry that the rule requires.
bool MatchesMagicRule(const CChar_Ad_Disad& record, int identifier, const CString& typeTag, double requiredValue,
                      int subId, const CString& subBook) {
  return MatchesRule(record, identifier, typeTag) && record.GetBaseCost() == requiredValue &&
         SubEntryIs(record, subId, subBook);
}

bool IsChosenSpell(const CChar_Skill_Base& entry, const CString& book, int spellId) {
  return BookMatches(entry.GetBookCode(), book) && (spellId == kAnySpell || entry.GetIdentifier() == spellId);
}

// An entry that is not a spell has no colleges.
const CChar_Skill_Spell* AsSpell(const CChar_Skill_Base& entry) {
  return entry.IsKindOf(CChar_Skill_Spell::ThisClass()) ? static_cast<const CChar_Skill_Spell*>(&entry) : nullptr;
}

int32_t SpellColleges(const CChar_Skill_Base& entry) {
  const CChar_Skill_Spell* spell = AsSpell(entry);
  return spell == nullptr ? 0 : spell->GetColleges();
}

CString SpellCollegeText(const CChar_Skill_Base& entry) {
  const CChar_Skill_Spell* spell = AsSpell(entry);
  return spell == nullptr ? CString() : spell->GetCollegeText();
}

// The amount to the chosen spells: one "All Spells" message for spell -1, else one
// message per spell.
void AddToChosenSpells(CChar_Character& character, SpellList& list, const CChar_Ad_Disad& record,
                       const CString& book, int spellId, int32_t amount) {
  const bool everySpell = spellId == kAnySpell;
  if (everySpell) LogChange(character, amount, kAllSpells, record);
  AddToSelected(character, list, record, amount, !everySpell,
                [&](const CChar_Skill_Base& entry) { return IsChosenSpell(entry, book, spellId); });
}

// The college bits behind the four element tests.
constexpr int32_t kTest1 = 0x4 | 0x10 | 0x400 | 0x2000 | 0x10000 | 0x20000 | 0x200000 | 0x400000;
constexpr int32_t kTest2 = 0x2 | 0x20 | 0x100 | 0x8000 | 0x10000 | 0x80000 | 0x800000;
constexpr int32_t kTest3 = 0x40 | 0x400 | 0x1000 | 0x4000 | 0x10000 | 0x40000;
constexpr int32_t kTest4 = 0x1 | 0x80 | 0x200 | 0x800 | 0x10000 | 0x100000;

// Per element, tested in this order: colleges giving 0, then -1, then -2.
struct ElementColleges {
  int32_t none;
  int32_t minusOne;
  int32_t minusTwo;
};
constexpr std::array<ElementColleges, 4> kElements{{
    {kTest1 | kTest3, kTest4, kTest2},
    {kTest2 | kTest4, kTest3, kTest1},
    {kTest1 | kTest3, kTest2, kTest4},
    {kTest2 | kTest4, kTest1, kTest3},
}};

}  // namespace

void AdjustSpellBonusAtValue(CChar_Character& character, SpellList& list, const CChar_Ad_Disad& record,
                             int identifier, const CString& spellBook, int spellId, double requiredValue, int bonus,
                             const CString& typeTag) {
  if (!MatchesRule(record, identifier, typeTag) || record.GetBaseCost() != requiredValue) return;
  AddToChosenSpells(character, list, record, spellBook, spellId, bonus);
}

void AdjustSpellBonusByValue(CChar_Character& character, SpellList& list, const CChar_Ad_Disad& record,
                             int identifier, const CString& spellBook, int spellId, double divisor,
                             const CString& typeTag) {
  if (!MatchesRule(record, identifier, typeTag)) return;
  AddToChosenSpells(character, list, record, spellBook, spellId, DividedAmount(record.GetBaseCost(), divisor));
}

void AdjustSpellOrPowerSkillBonus(CChar_Character& character, SpellList& list, const CChar_Ad_Disad& record,
                                  int identifier, const CString& book, int targetId, double requiredValue, int bonus,
                                  int subId, const CString& subBook, const CString& typeTag) {
  if (!MatchesMagicRule(record, identifier, typeTag, requiredValue, subId, subBook)) return;
  if (targetId != kForceSkills) {
    AddToChosenSpells(character, list, record, book, targetId, bonus);
    return;
  }
  LogChange(character, bonus, kAllForceSkills, record);
  AddToSelected(character, list, record, bonus, true, [&](const CChar_Skill_Base& entry) {
    return BookMatches(entry.GetBookCode(), book) && entry.HasGroup(kForceSkillGroupMask);
  });
}

void AdjustSpellBonusFromValueStep(CChar_Character& character, SpellList& list, const CChar_Ad_Disad& record,
                                   int identifier, const CString& book, int spellId, double base, int step, int bonus,
                                   int subId, const CString& subBook, const CString& typeTag) {
  if (!MatchesRule(record, identifier, typeTag) || !SubEntryIs(record, subId, subBook)) return;
  const int32_t amount = SaturatingAdd(bonus, DividedAmount(record.GetBaseCost() - base, step));
  AddToSelected(character, list, record, amount, spellId != kAnySpell,
                [&](const CChar_Skill_Base& entry) { return IsChosenSpell(entry, book, spellId); });
}

void AdjustSpellBonusForColleges(CChar_Character& character, SpellList& list, const CChar_Ad_Disad& record,
                                 int identifier, const CString& book, int spellId, double requiredValue, int bonus,
                                 int subId, const CString& subBook, const CString& collegeText,
                                 const CString& typeTag) {
  if (!MatchesMagicRule(record, identifier, typeTag, requiredValue, subId, subBook)) return;
  LogChange(character, bonus, kAllSpells, record);
  AddToSelected(character, list, record, bonus, false, [&](const CChar_Skill_Base& entry) {
    return IsChosenSpell(entry, book, spellId) && StringIn(collegeText, SpellCollegeText(entry)) != 0;
  });
}

void AdjustElementalSpellBonus(CChar_Character& character, SpellList& list, const CChar_Ad_Disad& record,
                               int identifier, double requiredValue, int bonus, int subId, const CString& subBook,
                               const CString& typeTag, int element) {
  if (!MatchesMagicRule(record, identifier, typeTag, requiredValue, subId, subBook)) return;
  LogChange(character, bonus, kAllSpells, record);
  ForEachTarget(list, [&](CChar_Skill_Base& entry) {
    AddToBonus(entry, SaturatingAdd(bonus, ElementalSpellModifier(entry, element)));
  });
}

void AdjustSpellBonusClearing(CChar_Character& character, SpellList& list, const CChar_Ad_Disad& record,
                              int identifier, double requiredValue, int bonus, int subId, const CString& subBook,
                              const CString& typeTag) {
  if (!MatchesMagicRule(record, identifier, typeTag, requiredValue, subId, subBook)) return;
  LogChange(character, bonus, kAllSpells, record);
  const int32_t colleges = CollegesOf(record);
  ForEachTarget(list, [&](CChar_Skill_Base& entry) {
    if ((SpellColleges(entry) & colleges) != 0) {
      AddToBonus(entry, bonus);
    } else {
      entry.SetBonus(0);
      entry.SetLevel(0);
    }
  });
}

int ElementalSpellModifier(const CChar_Skill_Base& spell, int element) {
  const int32_t id = spell.GetIdentifier();
  if ((id == 59 || id == 61) && spell.GetBookCode() == BOOK_05) return 0;
  if (element < 1 || element > static_cast<int>(kElements.size())) return 0;
  const ElementColleges& tests = kElements[static_cast<std::size_t>(element - 1)];
  const int32_t colleges = SpellColleges(spell);
  if ((colleges & tests.none) != 0) return 0;
  if ((colleges & tests.minusOne) != 0) return -1;
  if ((colleges & tests.minusTwo) != 0) return -2;
  return 0;
}

}  // namespace zulparvo
