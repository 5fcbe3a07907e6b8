// Adjusters that give an advantage's or disadvantage's bonus (or penalty) to skills on
// the character's skill list: to one skill, to one subject of a skill, or to every
// skill of some groups. Each changed skill is logged under its shown name unless said
// otherwise.
#pragma once

#include "adjusters/adjuster_framework.h"

namespace zulparvo {

// bonus to every skill of the book with the identifier; with a subject, only to those
// whose stored name it is; with `unless`, only when the character does not have that
// advantage.
struct AdjustSkillBonus {
  static constexpr std::string_view kName = "AdjustSkillBonus";
  ForRecord record;
  SkillRef skill;
  int32_t bonus;
  std::optional<std::string_view> subject{};
  std::optional<AdvantageRef> unless{};
};
void Apply(AdvantageContext& context, const AdjustSkillBonus& row);

// The record's description bonus plus its level to the skills (book "ALL": any,
// identifier -1: any); logged per skill, except for identifier -1.
struct AdjustSkillBonusFromDescription {
  static constexpr std::string_view kName = "AdjustSkillBonusFromDescription";
  ForRecord record;
  SkillRef skill;
};
void Apply(AdvantageContext& context, const AdjustSkillBonusFromDescription& row);

// bonus to every skill whose groups share a bit with `groups`.
struct AdjustSkillBonusByGroup {
  static constexpr std::string_view kName = "AdjustSkillBonusByGroup";
  ForRecord record;
  int32_t groups;
  int32_t bonus;
};
void Apply(AdvantageContext& context, const AdjustSkillBonusByGroup& row);

// The record's number of levels, its base cost over the size of its cost per level (a
// negative base cost lowers), to every skill whose groups share a bit with the record's
// colleges.
struct AdjustSkillsPerLevel {
  static constexpr std::string_view kName = "AdjustSkillsPerLevel";
  ForRecord record;
};
void Apply(AdvantageContext& context, const AdjustSkillsPerLevel& row);

}  // namespace zulparvo
