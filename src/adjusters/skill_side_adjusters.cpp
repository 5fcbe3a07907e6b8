#include "adjusters/skill_side_adjusters.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "adjusters/spell_bonus_adjusters.h"
#include "base/book_codes.h"
#include "base/utilities.h"
#include "model/ad_disad_magery_colleges.h"
#include "model/skill_spell.h"
#include "model/type_tags.h"
#include "base/saturating.h"

namespace zulparvo {

namespace {

constexpr int kAnySkill = -1;
constexpr int kForceSkills = -2;
constexpr int kRacialSkillModifier = 95;
constexpr int kSkillBonusSettingSkill = 130;

bool IsSelected(const CChar_Skill_Base& skill, int identifier) {
  return identifier == kAnySkill || skill.GetIdentifier() == identifier;
}

// The amount added to the skill's bonus; with logIt, logged under the skill's shown name.
void AddFrom(CChar_Character& character, CChar_Skill_Base& skill, int32_t amount, const CChar_Ad_Disad& source,
             bool logIt) {
  AddToBonus(skill, amount);
  if (logIt) LogChange(character, amount, skill.GetDisplayName(), source);
}

// The first entry that is the variant (sub-entry) of the advantage, at the total cost
// when one is required.
CChar_Ad_Disad* FindVariant(AdvantageList& list, const CString& book, int identifier, const CString& typeTag,
                            int subId, const CString& subBook, const double* requiredCost) {
  return FindAdvantage(list, book, identifier, typeTag, [&](const CChar_Ad_Disad& entry) {
    return (requiredCost == nullptr || CostIs(entry, *requiredCost)) && SubEntryIs(entry, subId, subBook);
  });
}

// A record that is not a spell has no colleges and no college text.
const CChar_Skill_Spell* AsSpell(CChar_Skill_Base& record) { return DynamicDownCast<CChar_Skill_Spell>(&record); }

int32_t SpellColleges(CChar_Skill_Base& record) {
  const CChar_Skill_Spell* spell = AsSpell(record);
  return spell == nullptr ? 0 : spell->GetColleges();
}

CString SpellCollegeText(CChar_Skill_Base& record) {
  const CChar_Skill_Spell* spell = AsSpell(record);
  return spell == nullptr ? CString() : spell->GetCollegeText();
}

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

// --- the magic-aptitude table ---

constexpr uint32_t SubIds(std::initializer_list<int> ids) {
  uint32_t bits = 0;
  for (const int id : ids) bits |= uint32_t{1} << id;
  return bits;
}

// One line: the magic advantage ("AD"), the sub-entries it covers (an empty sub-book:
// not tested), and the total costs of levels 1, 2 and 3. A line for any cost gives
// level 3 + sub-identifier instead.
struct AptitudeLine {
  std::string_view book;
  int32_t identifier;
  std::string_view subBook;
  uint32_t subIds;
  bool anyCost;
  std::array<double, 3> costs;
};

constexpr std::array<AptitudeLine, 14> kAptitudeLines{{
    {BOOK_05, 28, BOOK_05, SubIds({1}), false, {15.0, 25.0, 35.0}},
    {BOOK_05, 28, BOOK_30, SubIds({1, 2, 6, 7, 8, 9}), false, {10.0, 16.0, 22.0}},
    {BOOK_05, 28, BOOK_30, SubIds({3, 4, 5}), false, {8.0, 13.0, 18.0}},
    {BOOK_05, 28, BOOK_13, SubIds({4}), false, {10.0, 16.0, 22.0}},
    {BOOK_05, 28, BOOK_13, SubIds({1, 2, 3}), false, {8.0, 13.0, 18.0}},
    {BOOK_05, 28, BOOK_15, SubIds({1}), true, {}},  // level 4
    {BOOK_05, 28, BOOK_37, SubIds({1, 4}), false, {10.0, 16.0, 22.0}},
    {BOOK_05, 28, BOOK_37, SubIds({3, 6}), false, {6.0, 10.0, 14.0}},
    {BOOK_05, 28, BOOK_37, SubIds({2}), false, {8.0, 14.0, 20.0}},
    {BOOK_05, 28, BOOK_37, SubIds({5}), false, {8.0, 13.0, 18.0}},
    {BOOK_05, 28, BOOK_34, SubIds({1, 2, 3, 4, 5}), true, {}},  // levels 4 to 8
    {BOOK_13, 72, {}, 0, false, {10.0, 20.0, 30.0}},
    {BOOK_13, 59, BOOK_13, SubIds({5}), false, {5.0, 10.0, 15.0}},
    {BOOK_13, 59, BOOK_13, SubIds({6}), false, {2.0, 4.0, 6.0}},
}};

bool Covers(const AptitudeLine& line, const CChar_Ad_Disad& entry) {
  if (entry.GetBookCode() != line.book || entry.GetIdentifier() != line.identifier ||
      entry.GetCategory() != kCategoryAdvantage) {
    return false;
  }
  if (line.subBook.empty()) return true;
  const int32_t subId = entry.GetSubIdentifier();
  return entry.GetSubBookCode() == line.subBook && subId >= 0 && subId < 32 &&
         (line.subIds >> subId & 1U) != 0;
}

// The level that the first line covering the entry gives it; unchanged when no line
// does or the entry's total cost is none of the line's.
int32_t AptitudeLevel(const CChar_Ad_Disad& entry, int32_t level) {
  for (const AptitudeLine& line : kAptitudeLines) {
    if (!Covers(line, entry)) continue;
    if (line.anyCost) return 3 + entry.GetSubIdentifier();
    for (std::size_t step = 0; step < line.costs.size(); ++step) {
      if (CostIs(entry, line.costs[step])) return static_cast<int32_t>(step + 1);
    }
    return level;
  }
  return level;
}

}  // namespace

// --- every skill and spell ---

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
    AddFrom(character, skill, DividedAmount(entry.GetBaseCost(), std::fabs(entry.GetCostPerLevel())), entry, true);
  }
}

void ApplySpellBonusSetting(CChar_Character& character, CChar_Skill_Base& spell) {
  ApplyMentalModeBonus(character, spell);
}

void ApplySkillBonusSetting(CChar_Character& character, CChar_Skill_Base& skill) {
  if (skill.GetIdentifier() == kSkillBonusSettingSkill) ApplyMentalModeBonus(character, skill);
}

// --- a skill's bonus from an advantage ---

void AdjustSkillIfAdvantage(CChar_Character& character, AdvantageList& list, CChar_Skill_Base& skill, int identifier,
                            const CString& advBook, int advId, int bonus, const CString& advTypeTag) {
  if (skill.GetIdentifier() != identifier) return;
  if (const CChar_Ad_Disad* entry = FindAdvantage(list, advBook, advId, advTypeTag)) {
    AddFrom(character, skill, bonus, *entry, true);
  }
}

void AdjustSkillFromAdvantageDescription(CChar_Character& character, CChar_Skill_Base& skill, int identifier,
                                         const CString& advBook, int advId, const CString& advTypeTag) {
  if (!IsSelected(skill, identifier)) return;
  if (const CChar_Ad_Disad* entry = FindAdvantage(character.GetAdvantages(), advBook, advId, advTypeTag)) {
    AddFrom(character, skill, DescriptionBonusPlusLevel(*entry), *entry, identifier != kAnySkill);
  }
}

void AdjustSkillIfAdvantageAtCost(CChar_Character& character, AdvantageList& list, CChar_Skill_Base& skill,
                                  int identifier, const CString& advBook, int advId, double requiredCost, int bonus,
                                  const CString& advTypeTag) {
  const bool selected = identifier == kForceSkills ? skill.GetGroups() == kForceSkillGroupMask
                                                   : IsSelected(skill, identifier);
  if (!selected) return;
  const CChar_Ad_Disad* entry = FindAdvantage(list, advBook, advId, advTypeTag, [&](const CChar_Ad_Disad& e) {
    return CostIs(e, requiredCost);
  });
  const bool logIt = identifier != kAnySkill && identifier != kForceSkills;
  if (entry != nullptr) AddFrom(character, skill, bonus, *entry, logIt);
}

void AdjustSkillIfAdvantageOption(CChar_Character& character, AdvantageList& list, CChar_Skill_Base& skill,
                                  int identifier, const CString& advBook, int advId, double requiredCost, int bonus,
                                  int subId, const CString& subBook, const CString& advTypeTag, bool logIt) {
  if (!IsSelected(skill, identifier)) return;
  if (const CChar_Ad_Disad* entry = FindVariant(list, advBook, advId, advTypeTag, subId, subBook, &requiredCost)) {
    AddFrom(character, skill, bonus, *entry, logIt);
  }
}

void AdjustSkillByAdvantageValue(CChar_Character& character, AdvantageList& list, CChar_Skill_Base& skill,
                                 int identifier, const CString& advBook, int advId, double divisor,
                                 const CString& advTypeTag) {
  if (!IsSelected(skill, identifier)) return;
  for (std::size_t i = 0; i < list.GetSize(); ++i) {
    const CChar_Ad_Disad& entry = *list.GetAt(i);
    if (BookMatches(entry.GetBookCode(), advBook) && entry.GetIdentifier() == advId &&
        entry.GetCategory() == advTypeTag) {
      AddFrom(character, skill, DividedAmount(entry.GetBaseCost(), divisor), entry, true);
      return;
    }
  }
}

void AdjustSkillIfAdvantageLevel(AdvantageList& list, CChar_Skill_Base& skill, int identifier, int requiredInteger,
                                 const CString& requiredText, const CString& advBook, int advId, int bonus,
                                 const CString& advTypeTag) {
  if (skill.GetIdentifier() != identifier || skill.GetInteger1() != requiredInteger ||
      skill.GetText2() != requiredText) {
    return;
  }
  if (FindAdvantage(list, advBook, advId, advTypeTag) != nullptr) AddToBonus(skill, bonus);
}

void AdjustSkillIfEitherAdvantage(CChar_Character& character, CChar_Skill_Base& skill, int identifier,
                                  AdvantageList& list1, int advId1, const CString& advBook1,
                                  const CString& advTypeTag1, AdvantageList& list2, int advId2,
                                  const CString& advBook2, const CString& advTypeTag2, int bonus) {
  if (skill.GetIdentifier() != identifier) return;
  const CChar_Ad_Disad* entry = FindAdvantage(list1, advBook1, advId1, advTypeTag1);
  if (entry == nullptr) entry = FindAdvantage(list2, advBook2, advId2, advTypeTag2);
  if (entry != nullptr) AddFrom(character, skill, bonus, *entry, true);
}

void CapSkillLevel(CChar_Character& character, CChar_Skill_Base& skill, int identifier, int attributeValue,
                   int minimum, const CString& sourceText) {
  if (skill.GetIdentifier() != identifier || attributeValue >= minimum) return;
  // Minus the shortfall, made in a wider type so that extreme values cannot overflow.
  const int32_t amount = TruncateToInt(static_cast<double>(int64_t{attributeValue} - minimum));
  AddToBonus(skill, amount);
  character.AddChangeMessage(amount, skill.GetDisplayName(), sourceText);
}

// --- a spell's bonus from a magic advantage ---

void AdjustSkillElemental(AdvantageList& list, CChar_Skill_Base& spell, const CString& advBook, int advId,
                          double requiredCost, int bonus, int subId, const CString& subBook,
                          const CString& advTypeTag, int element) {
  if (FindVariant(list, advBook, advId, advTypeTag, subId, subBook, &requiredCost) != nullptr) {
    AddToBonus(spell, SaturatingAdd(bonus, ElementalSpellModifier(spell, element)));
  }
}

void AdjustSkillClearing(AdvantageList& list, CChar_Skill_Base& spell, const CString& advBook, int advId,
                         double requiredCost, int bonus, int subId, const CString& subBook,
                         const CString& advTypeTag) {
  const CChar_Ad_Disad* entry = FindVariant(list, advBook, advId, advTypeTag, subId, subBook, &requiredCost);
  // Only a college-limited record says which colleges it covers. For a record of another
  // class that is unknown, and taking every spell's bonus and level away on no evidence
  // would lose them: the spell is left as it is.
  if (entry == nullptr || !entry->IsKindOf(CChar_Ad_Disad_Magery_Colleges::ThisClass())) return;
  if ((SpellColleges(spell) & CollegesOf(*entry)) != 0) {
    AddToBonus(spell, bonus);
  } else {
    spell.SetBonus(0);
    spell.SetLevel(0);
  }
}

void AdjustSkillFromAdvantageValueStep(CChar_Character& character, AdvantageList& list, CChar_Skill_Base& spell,
                                       int identifier, const CString& advBook, int advId, double base, int step,
                                       int bonus, int subId, const CString& subBook, const CString& advTypeTag,
                                       bool logIt) {
  if (!IsSelected(spell, identifier)) return;
  if (const CChar_Ad_Disad* entry = FindVariant(list, advBook, advId, advTypeTag, subId, subBook, nullptr)) {
    AddFrom(character, spell, SaturatingAdd(bonus, DividedAmount(entry->GetBaseCost() - base, step)), *entry, logIt);
  }
}

void AdjustSkillForColleges(AdvantageList& list, CChar_Skill_Base& spell, int identifier, const CString& advBook,
                            int advId, double requiredCost, int bonus, int subId, const CString& subBook,
                            const CString& collegeText, const CString& advTypeTag) {
  // The college test is of the spell alone: when it fails, no entry of the list passes.
  if (!IsSelected(spell, identifier) || StringIn(collegeText, SpellCollegeText(spell)) == 0) return;
  if (FindVariant(list, advBook, advId, advTypeTag, subId, subBook, &requiredCost) != nullptr) {
    AddToBonus(spell, bonus);
  }
}

void ApplyMagicAptitudeTable(AdvantageList& list, CChar_Skill_Base& skill, int identifier) {
  if (skill.GetIdentifier() != identifier) return;
  int32_t level = 0;
  for (std::size_t i = 0; i < list.GetSize(); ++i) level = AptitudeLevel(*list.GetAt(i), level);
  AddToBonus(skill, level);
}

}  // namespace zulparvo
