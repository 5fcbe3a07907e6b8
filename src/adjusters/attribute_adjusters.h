// Adjusters of the secondary characteristics that advantages and disadvantages change
// directly: basic speed, move and its multiplier, hit points, fatigue and spell fatigue.
#pragma once

#include "adjusters/adjuster_framework.h"

namespace zulparvo {

// Basic speed bonus += amount; logs "Basic Speed".
void AdjustBasicSpeed(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                      const CString& typeTag);

// Each adds the record's description bonus plus its level to its field and logs it:
// "Move", "Hit Point Bonus", "Fatigue Bonus", "Spell Fatigue Bonus".
void AdjustMove(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, const CString& typeTag);
void AdjustHitPointBonus(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                         const CString& typeTag);
void AdjustFatigueBonus(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                        const CString& typeTag);
void AdjustSpellFatigueBonus(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                             const CString& typeTag);

// Move multiplier *= factor; not logged.
void ScaleMoveMultiplier(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                         const CString& typeTag, double factor);

// Basic speed bonus += whole levels bought (base cost / cost per level) × factorPerLevel;
// not logged.
void AdjustBasicSpeedPerLevel(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                              double factorPerLevel, const CString& typeTag);

}  // namespace zulparvo
