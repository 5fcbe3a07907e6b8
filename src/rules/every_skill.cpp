// The rules that every skill meets before the rules of its book, and every spell after
// the spell rules of every book.
#include "rules/rule_tables.h"

#include "base/utilities.h"

namespace zulparvo {

namespace {

// The number written between the first "(" and the first ")" of the text. Without a
// "(" the number is read from the start of the text up to the ")"; without a ")", or
// with the ")" before the "(", there is none and the result is 0.
int32_t ModifierNumber(const CString& text) {
  const std::size_t open = text.find('(');
  const std::size_t start = open == CString::npos ? 0 : open + 1;
  const std::size_t close = text.find(')');
  if (close == CString::npos || close <= start) return 0;
  return TruncateToInt(static_cast<double>(StringtoLong(text.substr(start, close - start))));
}

// The first racial skill modifier among the disadvantages whose integer key and text
// key name this skill adds the number in its description; logged under the
// disadvantage's shown name.
void ApplyRacialDisadvantageSkillModifier(SkillContext& context, const AdvantageRef& modifier) {
  const CChar_Skill_Base& skill = context.skill;
  const CChar_Ad_Disad* entry = context.search.First(modifier, [&](const CChar_Ad_Disad& e) {
    return e.GetIntegerKey() == skill.GetIdentifier() && e.GetTextKey() == skill.GetBookCode();
  });
  if (entry == nullptr) return;
  const int32_t amount = ModifierNumber(entry->GetDescription());
  AddToBonus(context.skill, amount);
  LogChange(context.character, amount, context.skill.GetDisplayName(), *entry);
}

constexpr SkillRow kEverySkill[] = {
    ApplyRacialSkillModifier{{BOOK_01, 95, "RACAD"}},
    OwnRule<SkillContext, AdvantageRef>{"ApplyRacialDisadvantageSkillModifier", ApplyRacialDisadvantageSkillModifier,
                                        {BOOK_01, 51, "RACDISAD"}},
    AdjustSkillPerAdvantageLevel{{BOOK_01, 128, "RACAD"}},
    AdjustSkillPerAdvantageLevel{{BOOK_01, 52, "RACDISAD"}},
};

constexpr SkillRow kEverySpell[] = {
    ApplyMentalModeBonus{kAnyEntry},
};

}  // namespace

std::span<const SkillRow> EverySkillRules() { return kEverySkill; }
std::span<const SkillRow> EverySpellRules() { return kEverySpell; }

}  // namespace zulparvo
