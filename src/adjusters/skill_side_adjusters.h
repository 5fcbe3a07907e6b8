// Skill-side adjusters: the record at hand is a skill or spell, and the character's
// advantage or disadvantage lists are searched for the advantage that changes its bonus
// (through the context's search: the first entry that is the reference's).
//
// A row selects the skill by its identifier; -1 selects every skill, and -2, where an
// adjuster takes it, the skills whose groups are exactly the force-skill group. Where
// they log, a message names the amount, the skill's shown name and the shown name of
// the advantage that caused it.
#pragma once

#include "adjusters/adjuster_framework.h"

namespace zulparvo {

// The `log` of a row that changes the skill without a message.
inline constexpr bool kSilent = false;

// --- every skill and spell ---

// The first of the advantages (racial skill modifiers) whose integer key and text key
// name this skill adds the number in its description's parentheses; logged with the
// source "Skill Modifier: " and the advantage's shown name.
struct ApplyRacialSkillModifier {
  static constexpr std::string_view kName = "ApplyRacialSkillModifier";
  AdvantageRef advantage;
};
void Apply(SkillContext& context, const ApplyRacialSkillModifier& row);

// Every one of the advantages whose colleges share a bit with the skill's groups adds
// its number of levels, its base cost over the size of its cost per level; one message
// each.
struct AdjustSkillPerAdvantageLevel {
  static constexpr std::string_view kName = "AdjustSkillPerAdvantageLevel";
  AdvantageRef advantage;
};
void Apply(SkillContext& context, const AdjustSkillPerAdvantageLevel& row);

// The mental mode 1 or 2 adds 1 or 2 to the skill's bonus; no message.
struct ApplyMentalModeBonus {
  static constexpr std::string_view kName = "ApplyMentalModeBonus";
  int32_t skill;
};
void Apply(SkillContext& context, const ApplyMentalModeBonus& row);

// --- a skill's bonus from an advantage ---

// bonus when the character has the advantage; logged when `log` says so.
struct AdjustSkillIfAdvantage {
  static constexpr std::string_view kName = "AdjustSkillIfAdvantage";
  int32_t skill;
  AdvantageRef advantage;
  int32_t bonus;
  bool log = true;
};
void Apply(SkillContext& context, const AdjustSkillIfAdvantage& row);

// The description bonus plus level of the advantage; logged unless the skill is -1.
struct AdjustSkillFromAdvantageDescription {
  static constexpr std::string_view kName = "AdjustSkillFromAdvantageDescription";
  int32_t skill;
  AdvantageRef advantage;
};
void Apply(SkillContext& context, const AdjustSkillFromAdvantageDescription& row);

// truncate(base cost / divisor) of the advantage; logged.
struct AdjustSkillByAdvantageValue {
  static constexpr std::string_view kName = "AdjustSkillByAdvantageValue";
  int32_t skill;
  AdvantageRef advantage;
  double divisor;
};
void Apply(SkillContext& context, const AdjustSkillByAdvantageValue& row);

// bonus for a skill whose integer 1 and text 2 are the required values, when the
// character has the advantage; no message.
struct AdjustSkillIfAdvantageLevel {
  static constexpr std::string_view kName = "AdjustSkillIfAdvantageLevel";
  int32_t skill;
  int32_t integer1;
  std::string_view text2;
  AdvantageRef advantage;
  int32_t bonus;
};
void Apply(SkillContext& context, const AdjustSkillIfAdvantageLevel& row);

// bonus, once, when the character has the first advantage, or else the second; logged
// under the entry found.
struct AdjustSkillIfEitherAdvantage {
  static constexpr std::string_view kName = "AdjustSkillIfEitherAdvantage";
  int32_t skill;
  AdvantageRef first;
  AdvantageRef second;
  int32_t bonus;
};
void Apply(SkillContext& context, const AdjustSkillIfEitherAdvantage& row);

// The character's current value of an attribute below the minimum lowers the skill's
// bonus by the shortfall; logged with the source text.
struct CapSkillLevel {
  static constexpr std::string_view kName = "CapSkillLevel";
  int32_t skill;
  int32_t (CChar_Character::*attribute)() const;
  int32_t minimum;
  std::string_view source;
};
void Apply(SkillContext& context, const CapSkillLevel& row);

// --- a spell's bonus from a magic advantage (no messages unless `log`) ---

// bonus + ElementalSpellModifier(spell, element).
struct AdjustSkillElemental {
  static constexpr std::string_view kName = "AdjustSkillElemental";
  AdvantageRef advantage;
  int32_t bonus;
  int32_t element;
};
void Apply(SkillContext& context, const AdjustSkillElemental& row);

// bonus when the spell's colleges share a bit with the advantage's; otherwise the
// spell's bonus and level are set to 0. The first entry found decides; when it is not a
// college-limited record its colleges are unknown and the spell is left alone.
struct AdjustSkillClearing {
  static constexpr std::string_view kName = "AdjustSkillClearing";
  AdvantageRef advantage;
  int32_t bonus;
};
void Apply(SkillContext& context, const AdjustSkillClearing& row);

// bonus + truncate((base cost - base) / step) of the advantage.
struct AdjustSkillFromAdvantageValueStep {
  static constexpr std::string_view kName = "AdjustSkillFromAdvantageValueStep";
  int32_t skill;
  AdvantageRef advantage;
  double base;
  int32_t step;
  int32_t bonus;
  bool log = false;
};
void Apply(SkillContext& context, const AdjustSkillFromAdvantageValueStep& row);

// bonus, once, for a spell whose college text holds collegeText.
struct AdjustSkillForColleges {
  static constexpr std::string_view kName = "AdjustSkillForColleges";
  int32_t skill;
  AdvantageRef advantage;
  int32_t bonus;
  std::string_view collegeText;
};
void Apply(SkillContext& context, const AdjustSkillForColleges& row);

// The magic-aptitude level (0 to 8) of the last magic advantage in the advantage list
// that has one, by its book, sub-entry and total cost; no message.
struct ApplyMagicAptitudeTable {
  static constexpr std::string_view kName = "ApplyMagicAptitudeTable";
  int32_t skill;
};
void Apply(SkillContext& context, const ApplyMagicAptitudeTable& row);

}  // namespace zulparvo
