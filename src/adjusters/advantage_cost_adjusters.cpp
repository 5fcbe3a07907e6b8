#include "adjusters/advantage_cost_adjusters.h"

#include <algorithm>
#include <cstddef>

#include "model/type_tags.h"
#include "base/saturating.h"

namespace zulparvo {

namespace {

bool IsAdvantage(const CChar_Ad_Disad& record) {
  return record.GetCategory() == kCategoryAdvantage || record.GetCategory() == kCategoryRacialAdvantage;
}

// Moves the total cost of every target by delta, limited at 0 on the side that the
// record's kind sets, and charges the change to the character.
void ChangeTargetCosts(CChar_Character& character, AdvantageList& list, const CChar_Ad_Disad& record, int targetId,
                       const CString& targetBook, const CString& targetTypeTag, double delta) {
  const bool advantage = IsAdvantage(record);
  for (std::size_t i = 0; i < list.GetSize(); ++i) {
    CChar_Ad_Disad& entry = *list.GetAt(i);
    if (entry.GetIdentifier() != targetId || entry.GetBookCode() != targetBook ||
        entry.GetCategory() != targetTypeTag) {
      continue;
    }
    const double total = entry.GetCostWithExtra();
    const double moved = advantage ? std::max(total + delta, std::min(total, 0.0))
                                   : std::min(total + delta, std::max(total, 0.0));
    const double change = moved - total;
    entry.SetExtraCost(entry.GetExtraCost() + change);
    character.AddToPointsSpent(change);
    character.AddToPointsAvailable(-change);
  }
}

}  // namespace

void AdjustAdvantageLevel(CChar_Character& character, CChar_Ad_Disad& record, int identifier,
                          const CString& targetBook, int targetId, const CString& typeTag,
                          const CString& targetTypeTag, int levels) {
  if (!MatchesRule(record, identifier, typeTag)) return;
  const CChar_Ad_Disad* target = FindAdvantage(character.GetAdvantages(), targetBook, targetId, targetTypeTag);
  if (target == nullptr) return;
  record.SetLevel(SaturatingAdd(record.GetLevel(), levels));
  LogChange(character, levels, record.GetDisplayName(), *target);
}

void AdjustAdvantageCostPoints(CChar_Character& character, AdvantageList& list, const CChar_Ad_Disad& record,
                               int identifier, const CString& typeTag, double minimumCost, int targetId,
                               const CString& targetBook, const CString& targetTypeTag, double costDelta) {
  if (!MatchesRule(record, identifier, typeTag) || record.GetCost() < minimumCost) return;
  ChangeTargetCosts(character, list, record, targetId, targetBook, targetTypeTag, costDelta);
}

void AdjustAdvantageCostFraction(CChar_Character& character, AdvantageList& list, const CChar_Ad_Disad& record,
                                 int identifier, const CString& typeTag, double costStep, int targetId,
                                 const CString& targetBook, const CString& targetTypeTag, double costDelta) {
  if (!MatchesRule(record, identifier, typeTag) || record.GetCost() < costStep) return;
  const double delta = DividedAmount(record.GetCost(), costStep) * costDelta;
  ChangeTargetCosts(character, list, record, targetId, targetBook, targetTypeTag, delta);
}

}  // namespace zulparvo
