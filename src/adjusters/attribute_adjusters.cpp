#include "adjusters/attribute_adjusters.h"

namespace zulparvo {

namespace {

void AddToBasicSpeed(CChar_Character& character, double amount) {
  character.SetBasicSpeedBonus(character.GetBasicSpeedBonus() + amount);
}

}  // namespace

void Apply(AdvantageContext& context, const AdjustField& row) {
  if (Matches(context.record, row.record)) AddToField(context.character, row.field, row.amount, context.record);
}

void Apply(AdvantageContext& context, const AdjustFieldFromDescription& row) {
  if (!Matches(context.record, row.record)) return;
  AddToField(context.character, row.field, DescriptionBonusPlusLevel(context.record), context.record);
}

void Apply(AdvantageContext& context, const AdjustBasicSpeed& row) {
  if (!Matches(context.record, row.record)) return;
  AddToBasicSpeed(context.character, row.amount);
  LogChange(context.character, row.amount, "Basic Speed", context.record);
}

void Apply(AdvantageContext& context, const AdjustMove& row) {
  if (!Matches(context.record, row.record)) return;
  const int32_t amount = DescriptionBonusPlusLevel(context.record);
  context.character.SetMoveBonus(context.character.GetMoveBonus() + amount);
  LogChange(context.character, amount, "Move", context.record);
}

void Apply(AdvantageContext& context, const ScaleMoveMultiplier& row) {
  if (!Matches(context.record, row.record)) return;
  context.character.SetMoveMultiplier(context.character.GetMoveMultiplier() * row.factor);
}

void Apply(AdvantageContext& context, const AdjustBasicSpeedPerLevel& row) {
  if (!Matches(context.record, row.record)) return;
  const int32_t levels = DividedAmount(context.record.GetBaseCost(), context.record.GetCostPerLevel());
  AddToBasicSpeed(context.character, levels * row.factorPerLevel);
}

}  // namespace zulparvo
