#include "adjusters/spell_bonus_adjusters.h"

#include <array>

#include "base/book_codes.h"
#include "base/saturating.h"
#include "model/skill_spell.h"

namespace zulparvo {

namespace {

constexpr std::string_view kAllSpells = "All Spells";

CObArray& ListOf(CChar_Character& character, const SpellTargets& targets) {
  return targets.list == SpellTargets::List::Skills ? static_cast<CObArray&>(character.GetSkills())
                                                    : static_cast<CObArray&>(character.GetSpells());
}

bool IsTarget(const CChar_Skill_Base& entry, const SpellTargets& targets) {
  return BookMatches(entry.GetBookCode(), targets.book) &&
         (targets.identifier == kAnyEntry || entry.GetIdentifier() == targets.identifier);
}

void AddToTargets(AdvantageContext& context, const SpellTargets& targets, int32_t amount, bool logEach) {
  AddToSelected(context.character, ListOf(context.character, targets), context.record, amount, logEach,
                [&](const CChar_Skill_Base& entry) { return IsTarget(entry, targets); });
}

// The amount to the targets: one "All Spells" message for every spell, else one
// message per spell.
void AddToChosenSpells(AdvantageContext& context, const SpellTargets& targets, int32_t amount) {
  const bool everySpell = targets.identifier == kAnyEntry;
  if (everySpell) LogChange(context.character, amount, kAllSpells, context.record);
  AddToTargets(context, targets, amount, !everySpell);
}

const CChar_Skill_Spell* AsSpell(const CChar_Skill_Base& entry) {
  return entry.IsKindOf(CChar_Skill_Spell::ThisClass()) ? static_cast<const CChar_Skill_Spell*>(&entry) : nullptr;
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

void Apply(AdvantageContext& context, const AdjustSpellBonus& row) {
  if (!Matches(context.record, row.record)) return;
  if (row.targets.identifier != kForceSkills) {
    AddToChosenSpells(context, row.targets, row.bonus);
    return;
  }
  LogChange(context.character, row.bonus, "All Force Skills", context.record);
  AddToSelected(context.character, ListOf(context.character, row.targets), context.record, row.bonus, true,
                [&](const CChar_Skill_Base& entry) {
                  return BookMatches(entry.GetBookCode(), row.targets.book) && entry.HasGroup(kForceSkillGroupMask);
                });
}

void Apply(AdvantageContext& context, const AdjustSpellBonusByValue& row) {
  if (!Matches(context.record, row.record)) return;
  AddToChosenSpells(context, row.targets, DividedAmount(context.record.GetBaseCost(), row.divisor));
}

void Apply(AdvantageContext& context, const AdjustSpellBonusFromValueStep& row) {
  if (!Matches(context.record, row.record)) return;
  const int32_t amount = SaturatingAdd(row.bonus, DividedAmount(context.record.GetBaseCost() - row.base, row.step));
  AddToTargets(context, row.targets, amount, row.targets.identifier != kAnyEntry);
}

void Apply(AdvantageContext& context, const AdjustSpellBonusForColleges& row) {
  if (!Matches(context.record, row.record)) return;
  LogChange(context.character, row.bonus, kAllSpells, context.record);
  AddToSelected(context.character, ListOf(context.character, row.targets), context.record, row.bonus, false,
                [&](const CChar_Skill_Base& entry) {
                  return IsTarget(entry, row.targets) && CollegeTextHolds(entry, row.collegeText);
                });
}

void Apply(AdvantageContext& context, const AdjustElementalSpellBonus& row) {
  if (!Matches(context.record, row.record)) return;
  LogChange(context.character, row.bonus, kAllSpells, context.record);
  ForEachTarget(context.character.GetSpells(), [&](CChar_Skill_Base& entry) {
    AddToBonus(entry, SaturatingAdd(row.bonus, ElementalSpellModifier(entry, row.element)));
  });
}

void Apply(AdvantageContext& context, const AdjustSpellBonusClearing& row) {
  if (!Matches(context.record, row.record)) return;
  LogChange(context.character, row.bonus, kAllSpells, context.record);
  const int32_t colleges = CollegesOf(context.record);
  ForEachTarget(context.character.GetSpells(), [&](CChar_Skill_Base& entry) {
    if ((SpellColleges(entry) & colleges) != 0) {
      AddToBonus(entry, row.bonus);
    } else {
      entry.SetBonus(0);
      entry.SetLevel(0);
    }
  });
}

int32_t ElementalSpellModifier(const CChar_Skill_Base& spell, int32_t element) {
  const int32_t id = spell.GetIdentifier();
  if ((id == 59 || id == 61) && spell.GetBookCode() == BOOK_05) return 0;
  if (element < 1 || element > static_cast<int32_t>(kElements.size())) return 0;
  const ElementColleges& tests = kElements[static_cast<std::size_t>(element - 1)];
  const int32_t colleges = SpellColleges(spell);
  if ((colleges & tests.none) != 0) return 0;
  if ((colleges & tests.minusOne) != 0) return -1;
  if ((colleges & tests.minusTwo) != 0) return -2;
  return 0;
}

int32_t SpellColleges(const CChar_Skill_Base& entry) {
  const CChar_Skill_Spell* spell = AsSpell(entry);
  return spell == nullptr ? 0 : spell->GetColleges();
}

bool CollegeTextHolds(const CChar_Skill_Base& entry, std::string_view text) {
  const CChar_Skill_Spell* spell = AsSpell(entry);
  return spell != nullptr && std::string_view(spell->GetCollegeText()).find(text) != std::string_view::npos;
}

}  // namespace zulparvo
