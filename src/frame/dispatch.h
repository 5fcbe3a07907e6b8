// The four dispatchers: a record routed by its source book to the rule table of that
// book. Dispatchers keep no state and may be re-entered from inside a rule table.
#pragma once

#include "model/ad_disad.h"
#include "model/character.h"
#include "model/skill_base.h"

namespace zulparvo {

bool DispatchAdvantage(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords);
bool DispatchDisadvantage(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords);
// Four steps for every skill, then the rule table of the skill's book.
bool DispatchSkill(CChar_Character& character, CChar_Skill_Base& skill);
// Every spell rule table, whatever the spell's book, then the spell bonus setting.
bool DispatchSpell(CChar_Character& character, CChar_Skill_Base& spell);

}  // namespace zulparvo
