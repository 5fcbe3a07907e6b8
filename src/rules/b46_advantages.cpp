// Rules of book B46 for advantages.
#include "rules/rule_tables.h"

namespace zulparvo {

namespace {

constexpr ForRecord ForceBond(double baseCost, int32_t sub) {
  return {.identifier = 3, .tag = "AD", .baseCost = baseCost, .sub = SubEntry{sub, BOOK_46}};
}
constexpr SpellTargets kEveryForceSkill{kAnyBook, kForceSkills, SpellTargets::List::Skills};

constexpr AdvantageRow kRows[] = {
    // Every force skill of the skill list, by base cost and sub-entry.
    AdjustSpellBonus{ForceBond(15.0, 1), kEveryForceSkill, 1},
    AdjustSpellBonus{ForceBond(25.0, 2), kEveryForceSkill, 2},
    AdjustSpellBonus{ForceBond(35.0, 3), kEveryForceSkill, 3},
};

}  // namespace

std::span<const AdvantageRow> AdvantageRulesB46() { return kRows; }

}  // namespace zulparvo
