// Adjusters that change advantages rather than characteristics: the level of the
// advantage at hand, and the cost of another advantage on the character, whose change
// moves between the character's points spent and points available.
#pragma once

#include "adjusters/adjuster_framework.h"
#include "model/character.h"

namespace zulparvo {

// The record gains levels when the character's advantage list has the target; logged
// under the record's shown name (with its new level) and the target's.
void AdjustAdvantageLevel(CChar_Character& character, CChar_Ad_Disad& record, int identifier,
                          const CString& targetBook, int targetId, const CString& typeTag,
                          const CString& targetTypeTag, int levels);

// Every target in the list gets costDelta added to its extra cost when the record's cost
// (without its extra cost) is at least minimumCost. The fraction form adds
// truncate(cost / costStep) times costDelta, and needs a cost of at least costStep.
//
// A target's total cost moves by the delta but not past 0: not below 0 when the record
// is an advantage ("AD", "RACAD"), not above 0 when it is not; a cost already on the far
// side of 0 is not pushed further. The change of the target's total cost is charged as
// adding a record charges its cost: points spent grow by it and points available shrink
// by it. No message.
void AdjustAdvantageCostPoints(CChar_Character& character, AdvantageList& list, const CChar_Ad_Disad& record,
                               int identifier, const CString& typeTag, double minimumCost, int targetId,
                               const CString& targetBook, const CString& targetTypeTag, double costDelta);
void AdjustAdvantageCostFraction(CChar_Character& character, AdvantageList& list, const CChar_Ad_Disad& record,
                                 int identifier, const CString& typeTag, double costStep, int targetId,
                                 const CString& targetBook, const CString& targetTypeTag, double costDelta);

}  // namespace zulparvo
