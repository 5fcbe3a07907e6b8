// Adjusters that give a magic advantage's or disadvantage's bonus to the spells (and
// force skills) of the list that the row names: one spell, every spell, the spells of
// some colleges, or every spell by its element.
//
// Where a row changes every spell, one "All Spells" message stands for the whole change.
#pragma once

#include <cstdint>

#include "adjusters/adjuster_framework.h"

namespace zulparvo {

// The entries of a list that a row reaches: those of the book ("ALL": any) with the
// identifier (-1: every one; -2, where the adjuster allows it: every force skill). The
// list is the spell list, or the skill list where a row reaches skills rather than
// spells.
struct SpellTargets {
  enum class List { Spells, Skills };
  std::string_view book;
  int32_t identifier;
  List list = List::Spells;
};

// bonus to the targets (-2: every force skill of the book, under one "All Force Skills"
// message); logged per entry, except for -1 and -2.
struct AdjustSpellBonus {
  static constexpr std::string_view kName = "AdjustSpellBonus";
  ForRecord record;
  SpellTargets targets;
  int32_t bonus;
};
void Apply(AdvantageContext& context, const AdjustSpellBonus& row);

// truncate(base cost / divisor) to the targets.
struct AdjustSpellBonusByValue {
  static constexpr std::string_view kName = "AdjustSpellBonusByValue";
  ForRecord record;
  SpellTargets targets;
  double divisor;
};
void Apply(AdvantageContext& context, const AdjustSpellBonusByValue& row);

// bonus + truncate((base cost - base) / step) to the targets; logged per spell, except
// for -1, which is not logged at all.
struct AdjustSpellBonusFromValueStep {
  static constexpr std::string_view kName = "AdjustSpellBonusFromValueStep";
  ForRecord record;
  SpellTargets targets;
  double base;
  int32_t step;
  int32_t bonus;
};
void Apply(AdvantageContext& context, const AdjustSpellBonusFromValueStep& row);

// bonus to the targets whose college text holds collegeText; one "All Spells" message.
struct AdjustSpellBonusForColleges {
  static constexpr std::string_view kName = "AdjustSpellBonusForColleges";
  ForRecord record;
  SpellTargets targets;
  int32_t bonus;
  std::string_view collegeText;
};
void Apply(AdvantageContext& context, const AdjustSpellBonusForColleges& row);

// bonus + ElementalSpellModifier(spell, element) to every spell.
struct AdjustElementalSpellBonus {
  static constexpr std::string_view kName = "AdjustElementalSpellBonus";
  ForRecord record;
  int32_t bonus;
  int32_t element;
};
void Apply(AdvantageContext& context, const AdjustElementalSpellBonus& row);

// A magic advantage limited to some colleges: bonus to every spell of the record's
// colleges; every other spell loses its bonus and its level.
struct AdjustSpellBonusClearing {
  static constexpr std::string_view kName = "AdjustSpellBonusClearing";
  ForRecord record;
  int32_t bonus;
};
void Apply(AdvantageContext& context, const AdjustSpellBonusClearing& row);

// 0, -1 or -2 by the spell's colleges for an element from 1 to 4; 0 for any other
// element and for spells 59 and 61 of the basic book.
int32_t ElementalSpellModifier(const CChar_Skill_Base& spell, int32_t element);

// The colleges of a spell, and whether its college text holds the text; an entry that
// is not a spell has no colleges and no college text.
int32_t SpellColleges(const CChar_Skill_Base& entry);
bool CollegeTextHolds(const CChar_Skill_Base& entry, std::string_view text);

}  // namespace zulparvo
