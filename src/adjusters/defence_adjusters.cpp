#include "adjusters/defence_adjusters.h"

#include "base/utilities.h"

namespace zulparvo {

namespace {

// The bonus is written before its source is noted.
void AddProtection(AdvantageContext& context, const Protection& protection, int32_t amount, const CString& source) {
  RaiseField(context.character, protection.bonus, amount);
  (context.character.*protection.addSource)(source);
  LogChange(context.character, amount, protection.bonus.what, context.record);
}

}  // namespace

void Apply(AdvantageContext& context, const AdjustProtection& row) {
  if (Matches(context.record, row.record)) AddProtection(context, row.protection, row.amount, CString(row.note));
}

// The note carries its own sign ("DR+"), so the amount is added in plain decimal form.
void Apply(AdvantageContext& context, const AdjustProtectionByValue& row) {
  if (!Matches(context.record, row.record)) return;
  const int32_t amount = DividedAmount(context.record.GetBaseCost(), row.divisor);
  AddProtection(context, row.protection, amount, CString(row.note) + LongtoString(amount, 0));
}

}  // namespace zulparvo
