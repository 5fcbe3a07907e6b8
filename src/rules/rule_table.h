// What a rule table is made of: rows, each one adjuster with its constants, run whole
// and in order for every record that the table is given. A row is a plain value, so a
// table can be listed as well as run:
//     AdjustCheck{.record = {13, "AD"}, .check = Check::Fright, .amount = 2},
// A rule of its own is a function of the rules with the constants of its row.
#pragma once

#include <span>
#include <string_view>
#include <variant>

#include "adjusters/adjuster_framework.h"
#include "adjusters/advantage_cost_adjusters.h"
#include "adjusters/attribute_adjusters.h"
#include "adjusters/check_adjusters.h"
#include "adjusters/defence_adjusters.h"
#include "adjusters/iq_adjusters.h"
#include "adjusters/skill_bonus_adjusters.h"
#include "adjusters/skill_side_adjusters.h"
#include "adjusters/spell_bonus_adjusters.h"
#include "base/book_codes.h"
#include "rules/racial_rules.h"

namespace zulparvo {

// A rule of its own: its name, its function, and the constants of its row (if any).
template <class Context, class Constants = void>
struct OwnRule {
  std::string_view name;
  void (*apply)(Context&, const Constants&);
  Constants constants;
};
template <class Context>
struct OwnRule<Context, void> {
  std::string_view name;
  void (*apply)(Context&);
};

// The basic magic advantage (B05 28) taken as the variant `sub` of a book, at a total
// cost when one is given.
constexpr AdvantageRef MagicVariant(std::optional<double> cost, int32_t sub, std::string_view subBook) {
  return {BOOK_05, 28, "AD", cost, SubEntry{sub, subBook}};
}

using AdvantageRow =
    std::variant<AdjustField, AdjustFieldFromDescription, AdjustBasicSpeed, AdjustMove, ScaleMoveMultiplier,
                 AdjustBasicSpeedPerLevel, AdjustProtection, AdjustProtectionByValue, AdjustCheck,
                 AdjustCheckFromDescription, AdjustReaction, AdjustAdvantageLevel, AdjustAdvantageCost,
                 AdjustSkillBonus, AdjustSkillBonusFromDescription, AdjustSkillBonusByGroup, AdjustSkillsPerLevel,
                 AdjustSpellBonus, AdjustSpellBonusByValue, AdjustSpellBonusFromValueStep,
                 AdjustSpellBonusForColleges, AdjustElementalSpellBonus, AdjustSpellBonusClearing,
                 ApplyRacialAttribute, OwnRule<AdvantageContext>, OwnRule<AdvantageContext, ForRecord>>;

using SkillRow =
    std::variant<ApplyRacialSkillModifier, AdjustSkillPerAdvantageLevel, ApplyMentalModeBonus, AdjustSkillIfAdvantage,
                 AdjustSkillFromAdvantageDescription, AdjustSkillByAdvantageValue, AdjustSkillIfAdvantageLevel,
                 AdjustSkillIfEitherAdvantage, CapSkillLevel, AdjustSkillElemental, AdjustSkillClearing,
                 AdjustSkillFromAdvantageValueStep, AdjustSkillForColleges, ApplyMagicAptitudeTable,
                 AdjustForIntelligenceLevel, OwnRule<SkillContext>, OwnRule<SkillContext, AdvantageRef>>;

template <class Context, class Constants>
void Apply(Context& context, const OwnRule<Context, Constants>& rule) {
  if constexpr (std::is_void_v<Constants>) {
    rule.apply(context);
  } else {
    rule.apply(context, rule.constants);
  }
}

// Runs every row in order.
template <class Context, class Row>
void RunRules(std::span<const Row> rows, Context& context) {
  for (const Row& row : rows) std::visit([&](const auto& constants) { Apply(context, constants); }, row);
}

// The name of a row's adjuster or rule.
template <class Row>
std::string_view AdjusterName(const Row& row) {
  return std::visit(
      [](const auto& constants) {
        if constexpr (requires { constants.kName; }) {
          return constants.kName;
        } else {
          return constants.name;
        }
      },
      row);
}

}  // namespace zulparvo
