#include "adjusters/check_adjusters.h"

#include <array>

#include "base/saturating.h"

namespace zulparvo {

namespace {

// Change-message texts, in the order of the checks.
constexpr std::array<std::string_view, CChar_Character::kCheckCount> kCheckTexts{
    "Reaction",          "Reaction (Opposite Sex)", "Health Check",       "Will Check",
    "Fright Check",      "Hearing Check",           "Perception Check",   "Smell/Taste Check",
    "Mental Stun Check", "Physical Stun Check",     "Crippling Injury Check"};

void AddToCheck(AdvantageContext& context, Check check, int32_t amount) {
  context.character.SetCheck(check, SaturatingAdd(context.character.GetCheck(check), amount));
  LogChange(context.character, amount, kCheckTexts[static_cast<std::size_t>(check)], context.record);
}

}  // namespace

void Apply(AdvantageContext& context, const AdjustCheck& row) {
  if (Matches(context.record, row.record)) AddToCheck(context, row.check, row.amount);
}

void Apply(AdvantageContext& context, const AdjustCheckFromDescription& row) {
  if (Matches(context.record, row.record)) AddToCheck(context, row.check, DescriptionBonus(context.record));
}

void Apply(AdvantageContext& context, const AdjustReaction& row) {
  if (!Matches(context.record, row.record)) return;
  AddToCheck(context, Check::Reaction, row.amount);
  AddToCheck(context, Check::ReactionOppositeSex, row.oppositeSex);
}

}  // namespace zulparvo
