// Rules of book B13 for advantages.
#include "rules/rule_tables.h"

namespace zulparvo {

namespace {

constexpr ForRecord Power(double baseCost, int32_t sub) {
  return {.identifier = 59, .tag = "AD", .baseCost = baseCost, .sub = SubEntry{sub, BOOK_13}};
}
constexpr ForRecord Covering(int32_t identifier, int32_t sub) {
  return {.identifier = identifier, .tag = "RACAD", .sub = SubEntry{sub, BOOK_13}};
}
constexpr SpellTargets kEverySpell{kAnyBook, kAnyEntry};

constexpr AdvantageRow kRows[] = {
    AdjustSpellBonus{Power(5.0, 5), kEverySpell, 1},
    AdjustSpellBonus{Power(10.0, 5), kEverySpell, 2},
    AdjustSpellBonus{Power(15.0, 5), kEverySpell, 3},
    AdjustSpellBonusForColleges{Power(2.0, 6), kEverySpell, 1, "Heal"},
    AdjustSpellBonusForColleges{Power(4.0, 6), kEverySpell, 2, "Heal"},
    AdjustSpellBonusForColleges{Power(6.0, 6), kEverySpell, 3, "Heal"},
    AdjustCheck{{4, "AD"}, Check::Fright, 3},
    AdjustCheck{{12, "AD"}, Check::Fright, 2},
    AdjustCheck{{13, "AD"}, Check::Fright, 1},
    AdjustField{{18, "AD"}, kDodge, 1},
    AdjustField{{.identifier = 19, .tag = "AD", .cost = 10.0}, kParry, 1},
    AdjustCheck{{21, "AD"}, Check::Health, 1},
    // Racial body coverings by their option.
    AdjustProtection{Covering(12, 2), kDR, 1, "Average Fur DR+1"},
    AdjustProtection{Covering(12, 3), kPD, 1, "Thick Fur PD+1"},
    AdjustProtection{Covering(12, 3), kDR, 1, "Thick Fur DR+1"},
    AdjustProtection{Covering(12, 4), kPD, 1, "Spiny Fur PD+1"},
    AdjustProtection{Covering(12, 4), kDR, 1, "Spiny Fur DR+1"},
    AdjustProtection{Covering(14, 2), kDR, 1, "Avg Scales DR+1"},
    AdjustProtection{Covering(14, 3), kPD, 1, "Hvy Scales PD+1"},
    AdjustProtection{Covering(14, 3), kDR, 1, "Hvy Scales DR+1"},
    AdjustProtection{Covering(14, 4), kPD, 1, "Thick Hide PD+1"},
    AdjustProtection{Covering(14, 4), kDR, 1, "Thick Hide DR+1"},
    AdjustProtection{Covering(14, 5), kPD, 2, "Carapace PD+2"},
    AdjustProtection{Covering(14, 5), kDR, 2, "Carapace DR+2"},
    AdjustProtection{Covering(14, 6), kPD, 2, "Armor Plates PD+2"},
    AdjustProtection{Covering(14, 6), kDR, 3, "Armor Plates DR+3"},
    AdjustCheck{{25, "AD"}, Check::Fright, 5},
    AdjustSkillBonus{{34, "AD"}, {BOOK_13, 98}, 3},
    AdjustSpellBonusByValue{{72, "AD"}, kEverySpell, 10.0},
    AdjustCheck{{54, "AD"}, Check::Health, 2},
    AdjustCheck{{55, "AD"}, Check::CripplingInjury, 5},
};

}  // namespace

std::span<const AdvantageRow> AdvantageRulesB13() { return kRows; }

}  // namespace zulparvo
