// Adjusters of the active defences (Dodge, Parry, Block) and of the passive-defence (PD)
// and damage-resistance (DR) bonuses. The PD and DR adjusters also note where the bonus
// comes from in the character's list of PD or DR sources.
#pragma once

#include "adjusters/adjuster_framework.h"

namespace zulparvo {

// The defence bonus += amount; logs "Dodge", "Parry" or "Block".
void AdjustDodge(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                 const CString& typeTag);
void AdjustParry(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                 const CString& typeTag);
void AdjustBlock(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                 const CString& typeTag);
// As AdjustParry, only for a record whose total cost is exactly requiredCost.
void AdjustParryAtCost(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                       const CString& typeTag, int requiredCost);

// For a record whose total cost is exactly requiredCost: the bonus += amount, the note
// goes to the sources; logs "PD Bonus" or "DR Bonus".
void AdjustPDBonusAtCost(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int requiredCost,
                         int amount, const CString& note, const CString& typeTag);
void AdjustDRBonusAtCost(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int requiredCost,
                         int amount, const CString& note, const CString& typeTag);

// amount = truncate(base cost / divisor): the bonus += amount, the note followed by the
// amount goes to the sources. The DR form only for the record's sub-entry subId of
// sub-category subCategory.
void AdjustPDBonusByValue(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int divisor,
                          const CString& note, const CString& typeTag);
void AdjustDRBonusByValue(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int divisor,
                          const CString& note, int subId, const CString& subCategory, const CString& typeTag);

// For the record's sub-entry subId from book subBook: the bonus += amount, the note goes
// to the sources.
void AdjustPDBonusForOption(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                            int subId, const CString& subBook, const CString& note, const CString& typeTag);
void AdjustDRBonusForOption(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                            int subId, const CString& subBook, const CString& note, const CString& typeTag);

}  // namespace zulparvo
