#include "adjusters/check_adjusters.h"

#include <array>
#include <initializer_list>

#include "base/saturating.h"

namespace zulparvo {

namespace {

using Check = CChar_Character::Check;

// Change-message texts, in the order of the checks.
constexpr std::array<const char*, CChar_Character::kCheckCount> kCheckTexts{
    "Reaction",         "Reaction (Opposite Sex)", "Health Check",        "Will Check",
    "Fright Check",     "Hearing Check",           "Perception Check",    "Smell/Taste Check",
    "Mental Stun Check", "Physical Stun Check",    "Crippling Injury Check"};

// The reaction adjusters change both reaction modifiers, every other adjuster one check.
using Checks = std::initializer_list<Check>;

void AddToCheck(CChar_Character& character, Check check, int32_t amount, const CChar_Ad_Disad& record) {
  character.SetCheck(check, SaturatingAdd(character.GetCheck(check), amount));
  LogChange(character, amount, kCheckTexts[static_cast<std::size_t>(check)], record);
}

void AdjustChecks(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                  const CString& typeTag, Checks checks) {
  if (!MatchesRule(record, identifier, typeTag)) return;
  for (const Check check : checks) AddToCheck(character, check, amount, record);
}

void AdjustChecksFromDescription(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                                 const CString& typeTag, Checks checks) {
  if (!MatchesRule(record, identifier, typeTag)) return;
  const int32_t amount = DescriptionBonus(record);
  for (const Check check : checks) AddToCheck(character, check, amount, record);
}

}  // namespace

void AdjustReaction(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                    const CString& typeTag) {
  AdjustChecks(character, record, identifier, amount, typeTag, {Check::Reaction, Check::ReactionOppositeSex});
}
void AdjustHealthCheck(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                       const CString& typeTag) {
  AdjustChecks(character, record, identifier, amount, typeTag, {Check::Health});
}
void AdjustWillCheck(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                     const CString& typeTag) {
  AdjustChecks(character, record, identifier, amount, typeTag, {Check::Will});
}
void AdjustFrightCheck(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                       const CString& typeTag) {
  AdjustChecks(character, record, identifier, amount, typeTag, {Check::Fright});
}
void AdjustHearingCheck(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                        const CString& typeTag) {
  AdjustChecks(character, record, identifier, amount, typeTag, {Check::Hearing});
}
void AdjustPerceptionCheck(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                           const CString& typeTag) {
  AdjustChecks(character, record, identifier, amount, typeTag, {Check::Perception});
}
void AdjustSmellTasteCheck(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                           const CString& typeTag) {
  AdjustChecks(character, record, identifier, amount, typeTag, {Check::SmellTaste});
}
void AdjustMentalStunCheck(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                           const CString& typeTag) {
  AdjustChecks(character, record, identifier, amount, typeTag, {Check::MentalStun});
}
void AdjustPhysicalStunCheck(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                             const CString& typeTag) {
  AdjustChecks(character, record, identifier, amount, typeTag, {Check::PhysicalStun});
}
void AdjustCripplingInjuryCheck(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                                const CString& typeTag) {
  AdjustChecks(character, record, identifier, amount, typeTag, {Check::CripplingInjury});
}

void AdjustReactionFromDescription(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                                   const CString& typeTag) {
  AdjustChecksFromDescription(character, record, identifier, typeTag, {Check::Reaction, Check::ReactionOppositeSex});
}
void AdjustHealthCheckFromDescription(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                                      const CString& typeTag) {
  AdjustChecksFromDescription(character, record, identifier, typeTag, {Check::Health});
}
void AdjustWillCheckFromDescription(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                                    const CString& typeTag) {
  AdjustChecksFromDescription(character, record, identifier, typeTag, {Check::Will});
}
void AdjustFrightCheckFromDescription(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                                      const CString& typeTag) {
  AdjustChecksFromDescription(character, record, identifier, typeTag, {Check::Fright});
}
void AdjustHearingCheckFromDescription(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                                       const CString& typeTag) {
  AdjustChecksFromDescription(character, record, identifier, typeTag, {Check::Hearing});
}
void AdjustPerceptionCheckFromDescription(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                                          const CString& typeTag) {
  AdjustChecksFromDescription(character, record, identifier, typeTag, {Check::Perception});
}
void AdjustSmellTasteCheckFromDescription(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                                          const CString& typeTag) {
  AdjustChecksFromDescription(character, record, identifier, typeTag, {Check::SmellTaste});
}
void AdjustMentalStunCheckFromDescription(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                                          const CString& typeTag) {
  AdjustChecksFromDescription(character, record, identifier, typeTag, {Check::MentalStun});
}
void AdjustPhysicalStunCheckFromDescription(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                                            const CString& typeTag) {
  AdjustChecksFromDescription(character, record, identifier, typeTag, {Check::PhysicalStun});
}
void AdjustCripplingInjuryCheckFromDescription(CChar_Character& character, const CChar_Ad_Disad& record,
                                               int identifier, const CString& typeTag) {
  AdjustChecksFromDescription(character, record, identifier, typeTag, {Check::CripplingInjury});
}

void AdjustReactionForOption(CChar_Character& character, const CChar_Ad_Disad& record, const CString& book,
                             int identifier, int reactionAmount, int oppositeSexAmount, int subId,
                             const CString& subBook, const CString& typeTag) {
  if (record.GetBookCode() != book || record.GetIdentifier() != identifier || !SubEntryIs(record, subId, subBook) ||
      record.GetCategory() != typeTag) {
    return;
  }
  AddToCheck(character, Check::Reaction, reactionAmount, record);
  AddToCheck(character, Check::ReactionOppositeSex, oppositeSexAmount, record);
}

}  // namespace zulparvo
