#include "adjusters/advantage_cost_adjusters.h"

#include <algorithm>

#include "base/saturating.h"
#include "model/type_tags.h"

namespace zulparvo {

namespace {

bool IsAdvantage(const CChar_Ad_Disad& record) {
  return record.GetCategory() == kCategoryAdvantage || record.GetCategory() == kCategoryRacialAdvantage;
}

}  // namespace

void Apply(AdvantageContext& context, const AdjustAdvantageLevel& row) {
  if (!Matches(context.record, row.record)) return;
  const CChar_Ad_Disad* target = FindAdvantage(ListOf(context.character, row.target), row.target);
  if (target == nullptr) return;
  context.record.SetLevel(SaturatingAdd(context.record.GetLevel(), row.levels));
  LogChange(context.character, row.levels, context.record.GetDisplayName(), *target);
}

void Apply(AdvantageContext& context, const AdjustAdvantageCost& row) {
  const double cost = context.record.GetCost();
  if (!Matches(context.record, row.record) || cost < row.cost) return;
  const double delta = row.perStep ? DividedAmount(cost, row.cost) * row.costDelta : row.costDelta;
  const bool advantage = IsAdvantage(context.record);
  AdvantageList& list = ListOf(context.character, row.target);
  for (std::size_t i = 0; i < list.GetSize(); ++i) {
    CChar_Ad_Disad& entry = *list.GetAt(i);
    if (!IsVariant(entry, row.target)) continue;
    const double total = entry.GetCostWithExtra();
    const double moved = advantage ? std::max(total + delta, std::min(total, 0.0))
                                   : std::min(total + delta, std::max(total, 0.0));
    const double change = moved - total;
    entry.SetExtraCost(entry.GetExtraCost() + change);
    context.character.AddToPointsSpent(change);
    context.character.AddToPointsAvailable(-change);
  }
}

}  // namespace zulparvo
