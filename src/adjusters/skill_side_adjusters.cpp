#include "adjusters/skill_side_adjusters.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>

#include "adjusters/spell_bonus_adjusters.h"
#include "base/book_codes.h"
#include "base/saturating.h"
#include "model/ad_disad_magery_colleges.h"
#include "model/type_tags.h"

namespace zulparvo {

namespace {

bool IsSelected(const CChar_Skill_Base& skill, int32_t identifier) {
  if (identifier == kForceSkills) return skill.GetGroups() == kForceSkillGroupMask;
  return identifier == kAnyEntry || skill.GetIdentifier() == identifier;
}

// The amount added to the skill's bonus; with logIt, logged under the skill's shown name.
void AddFrom(SkillContext& context, int32_t amount, const CChar_Ad_Disad& source, bool logIt) {
  AddToBonus(context.skill, amount);
  if (logIt) LogChange(context.character, amount, context.skill.GetDisplayName(), source);
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
  if (entry.GetIdentifier() != line.identifier || entry.GetCategory() != kCategoryAdvantage ||
      entry.GetBookCode() != line.book) {
    return false;
  }
  if (line.subBook.empty()) return true;
  const int32_t subId = entry.GetSubIdentifier();
  return entry.GetSubBookCode() == line.subBook && subId >= 0 && subId < 32 && (line.subIds >> subId & 1U) != 0;
}

// The level that the first line covering the entry gives it; unchanged when no line
// does or the entry's total cost is none of the line's.
int32_t AptitudeLevel(const CChar_Ad_Disad& entry, int32_t level) {
  for (const AptitudeLine& line : kAptitudeLines) {
    if (!Covers(line, entry)) continue;
    if (line.anyCost) return 3 + entry.GetSubIdentifier();
    for (std::size_t step = 0; step < line.costs.size(); ++step) {
      if (entry.GetCostWithExtra() == line.costs[step]) return static_cast<int32_t>(step + 1);
    }
    return level;
  }
  return level;
}

}  // namespace

// --- every skill and spell ---

void Apply(SkillContext& context, const ApplyRacialSkillModifier& row) {
  const CChar_Skill_Base& skill = context.skill;
  const CChar_Ad_Disad* entry = context.search.First(row.advantage, [&](const CChar_Ad_Disad& e) {
    return e.GetIntegerKey() == skill.GetIdentifier() && e.GetTextKey() == skill.GetBookCode();
  });
  if (entry == nullptr) return;
  const int32_t amount = ParenthesizedNumber(entry->GetDescription());
  AddToBonus(context.skill, amount);
  context.character.AddChangeMessage(amount, context.skill.GetDisplayName(),
                                     "Skill Modifier: " + entry->GetDisplayName());
}

void Apply(SkillContext& context, const AdjustSkillPerAdvantageLevel& row) {
  for (const CChar_Ad_Disad* entry : context.search.Entries(row.advantage)) {
    if ((CollegesOf(*entry) & context.skill.GetGroups()) == 0) continue;
    // The levels, negated for a negative cost per level: the base cost divided by the
    // magnitude of the cost per level (0 without one).
    AddFrom(context, DividedAmount(entry->GetBaseCost(), std::fabs(entry->GetCostPerLevel())), *entry, true);
  }
}

void Apply(SkillContext& context, const ApplyMentalModeBonus& row) {
  const int32_t mode = context.character.GetMentalMode();
  if (IsSelected(context.skill, row.skill) && (mode == 1 || mode == 2)) AddToBonus(context.skill, mode);
}

// --- a skill's bonus from an advantage ---

void Apply(SkillContext& context, const AdjustSkillIfAdvantage& row) {
  if (!IsSelected(context.skill, row.skill)) return;
  if (const CChar_Ad_Disad* entry = context.search.First(row.advantage)) AddFrom(context, row.bonus, *entry, row.log);
}

void Apply(SkillContext& context, const AdjustSkillFromAdvantageDescription& row) {
  if (!IsSelected(context.skill, row.skill)) return;
  if (const CChar_Ad_Disad* entry = context.search.First(row.advantage)) {
    AddFrom(context, DescriptionBonusPlusLevel(*entry), *entry, row.skill != kAnyEntry);
  }
}

void Apply(SkillContext& context, const AdjustSkillByAdvantageValue& row) {
  if (!IsSelected(context.skill, row.skill)) return;
  if (const CChar_Ad_Disad* entry = context.search.First(row.advantage)) {
    AddFrom(context, DividedAmount(entry->GetBaseCost(), row.divisor), *entry, true);
  }
}

void Apply(SkillContext& context, const AdjustSkillIfAdvantageLevel& row) {
  const CChar_Skill_Base& skill = context.skill;
  if (skill.GetIdentifier() != row.skill || skill.GetInteger1() != row.integer1 || skill.GetText2() != row.text2) {
    return;
  }
  if (context.search.First(row.advantage) != nullptr) AddToBonus(context.skill, row.bonus);
}

void Apply(SkillContext& context, const AdjustSkillIfEitherAdvantage& row) {
  if (!IsSelected(context.skill, row.skill)) return;
  const CChar_Ad_Disad* entry = context.search.First(row.first);
  if (entry == nullptr) entry = context.search.First(row.second);
  if (entry != nullptr) AddFrom(context, row.bonus, *entry, true);
}

void Apply(SkillContext& context, const CapSkillLevel& row) {
  const int32_t value = (context.character.*row.attribute)();
  if (context.skill.GetIdentifier() != row.skill || value >= row.minimum) return;
  // Minus the shortfall, made in a wider type so that extreme values cannot overflow.
  const int32_t amount = TruncateToInt(static_cast<double>(int64_t{value} - row.minimum));
  AddToBonus(context.skill, amount);
  context.character.AddChangeMessage(amount, context.skill.GetDisplayName(), CString(row.source));
}

// --- a spell's bonus from a magic advantage ---

void Apply(SkillContext& context, const AdjustSkillElemental& row) {
  if (context.search.First(row.advantage) != nullptr) {
    AddToBonus(context.skill, SaturatingAdd(row.bonus, ElementalSpellModifier(context.skill, row.element)));
  }
}

void Apply(SkillContext& context, const AdjustSkillClearing& row) {
  const CChar_Ad_Disad* entry = context.search.First(row.advantage);
  // Only a college-limited record says which colleges it covers. For a record of another
  // class that is unknown, and taking every spell's bonus and level away on no evidence
  // would lose them: the spell is left as it is.
  if (entry == nullptr || !entry->IsKindOf(CChar_Ad_Disad_Magery_Colleges::ThisClass())) return;
  if ((SpellColleges(context.skill) & CollegesOf(*entry)) != 0) {
    AddToBonus(context.skill, row.bonus);
  } else {
    context.skill.SetBonus(0);
    context.skill.SetLevel(0);
  }
}

void Apply(SkillContext& context, const AdjustSkillFromAdvantageValueStep& row) {
  if (!IsSelected(context.skill, row.skill)) return;
  if (const CChar_Ad_Disad* entry = context.search.First(row.advantage)) {
    AddFrom(context, SaturatingAdd(row.bonus, DividedAmount(entry->GetBaseCost() - row.base, row.step)), *entry,
            row.log);
  }
}

void Apply(SkillContext& context, const AdjustSkillForColleges& row) {
  // The college test is of the spell alone: when it fails, no entry of the list passes.
  if (!IsSelected(context.skill, row.skill) || !CollegeTextHolds(context.skill, row.collegeText)) return;
  if (context.search.First(row.advantage) != nullptr) AddToBonus(context.skill, row.bonus);
}

void Apply(SkillContext& context, const ApplyMagicAptitudeTable& row) {
  if (context.skill.GetIdentifier() != row.skill) return;
  const AdvantageList& list = context.character.GetAdvantages();
  int32_t level = 0;
  for (std::size_t i = 0; i < list.GetSize(); ++i) level = AptitudeLevel(*list.GetAt(i), level);
  AddToBonus(context.skill, level);
}

}  // namespace zulparvo
