// Adjusters of the character's check modifiers (health, will, fright, ...) and of the
// two reaction modifiers.
//
// Each check has two adjusters: one adds a constant amount, the other ("FromDescription")
// the bonus that the record's description states, without its level. The reaction
// adjusters add the same amount to the reaction and to the reaction of the opposite sex
// and log both.
#pragma once

#include "adjusters/adjuster_framework.h"

namespace zulparvo {

void AdjustReaction(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                    const CString& typeTag);
void AdjustHealthCheck(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                       const CString& typeTag);
void AdjustWillCheck(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                     const CString& typeTag);
void AdjustFrightCheck(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                       const CString& typeTag);
void AdjustHearingCheck(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                        const CString& typeTag);
void AdjustPerceptionCheck(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                           const CString& typeTag);
void AdjustSmellTasteCheck(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                           const CString& typeTag);
void AdjustMentalStunCheck(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                           const CString& typeTag);
void AdjustPhysicalStunCheck(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                             const CString& typeTag);
void AdjustCripplingInjuryCheck(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                                const CString& typeTag);

void AdjustReactionFromDescription(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                                   const CString& typeTag);
void AdjustHealthCheckFromDescription(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                                      const CString& typeTag);
void AdjustWillCheckFromDescription(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                                    const CString& typeTag);
void AdjustFrightCheckFromDescription(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                                      const CString& typeTag);
void AdjustHearingCheckFromDescription(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                                       const CString& typeTag);
void AdjustPerceptionCheckFromDescription(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                                          const CString& typeTag);
void AdjustSmellTasteCheckFromDescription(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                                          const CString& typeTag);
void AdjustMentalStunCheckFromDescription(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                                          const CString& typeTag);
void AdjustPhysicalStunCheckFromDescription(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                                            const CString& typeTag);
void AdjustCripplingInjuryCheckFromDescription(CChar_Character& character, const CChar_Ad_Disad& record,
                                               int identifier, const CString& typeTag);

// For the record of the rule's book whose sub-entry is subId from book subBook: the
// reaction += reactionAmount and the reaction of the opposite sex += oppositeSexAmount,
// each logged. Tested in this order: book, identifier, sub-identifier, sub-book code,
// category tag.
void AdjustReactionForOption(CChar_Character& character, const CChar_Ad_Disad& record, const CString& book,
                             int identifier, int reactionAmount, int oppositeSexAmount, int subId,
                             const CString& subBook, const CString& typeTag);

}  // namespace zulparvo
